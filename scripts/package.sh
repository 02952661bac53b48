#!/usr/bin/env bash
# Builds `quaylin` and makes its Debian package (Debian 12, Ubuntu) in build/:
# quaylin_<version>_<architecture>.deb, with the binary, the launcher entry, the icon and the
# AppStream metadata, depending on the runtime libraries it links. Install it with
#   sudo apt install ./build/quaylin_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh quaylin
cd build
cpack -G DEB
ls "$PWD"/quaylin_*.deb
