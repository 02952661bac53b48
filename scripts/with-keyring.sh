#!/usr/bin/env bash
# Inside a D-Bus session (dbus-run-session): starts gnome-keyring's Secret Service with a fresh,
# unlocked login keyring in a throw-away folder, then runs the given command. The keyring never
# touches the user's own keyrings, whatever XDG_DATA_HOME says.
set -euo pipefail

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    echo "with-keyring.sh: run me inside dbus-run-session" >&2
    exit 1
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/data" "$scratch/runtime"
export XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime"

# gnome-keyring creates the login keyring with the password read from standard input and
# unlocks it. An empty password would leave it asking for one through a prompter, which
# cannot be shown here, so the throw-away keyring gets a fixed one.
keyring_env="$(printf 'quaylin-tests' | gnome-keyring-daemon --unlock --components=secrets)"
eval "$keyring_env"
export GNOME_KEYRING_CONTROL

# The daemon answers before its Secret Service is on the bus. Wait for the name, or a test
# that looks too early would find nothing, or have D-Bus start a second, locked keyring.
secrets_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
        grep -q 'boolean true'
}
for _ in $(seq 100); do
    secrets_ready && break
    sleep 0.1
done
if ! secrets_ready; then
    echo "with-keyring.sh: gnome-keyring's Secret Service did not start" >&2
    exit 1
fi

# The keychain tests only run where deleting keychain items harms nobody.
export QUAYLIN_THROWAWAY_KEYRING=1
"$@"
