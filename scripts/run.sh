#!/usr/bin/env bash
# Sets up, builds and starts Quaylin. Until the desktop window exists this prints the status
# of every tracked project (`quaylin status`) from your own data file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/quaylin status "$@"
