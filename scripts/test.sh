#!/usr/bin/env bash
# Sets up, builds and runs every test. The tests get a private D-Bus session with an
# unlocked gnome-keyring (the keychain tests talk to a real Secret Service).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec dbus-run-session -- scripts/with-keyring.sh ctest --test-dir build --output-on-failure -j 2 "$@"
