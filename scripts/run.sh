#!/usr/bin/env bash
# Sets up, builds what it starts (only the `quaylin` program: no tests, no benchmarks) and
# starts it. Until the desktop window exists this prints the status of every tracked project
# (`quaylin status`) from your own data file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh quaylin
exec build/quaylin status "$@"
