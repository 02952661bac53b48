#!/usr/bin/env bash
# Inside a D-Bus session: starts gnome-keyring's Secret Service with an unlocked login keyring
# whose password is empty, then runs the given command.
set -euo pipefail
export XDG_DATA_HOME="${XDG_DATA_HOME:-$(mktemp -d)}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
eval "$(printf '' | gnome-keyring-daemon --unlock --components=secrets)"
export GNOME_KEYRING_CONTROL
"$@"
