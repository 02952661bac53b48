#!/usr/bin/env bash
# Sets up, builds what it starts (only the `quaylin` program: no tests, no benchmarks) and
# starts the desktop application (its icon appears in the system tray; without a tray its main
# window opens). Arguments go to `quaylin`, so `scripts/run.sh status` prints every project's
# status in the terminal instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh quaylin
exec build/quaylin "$@"
