#!/usr/bin/env bash
# Runs a command as a client of a headless Wayland compositor of its own (sway on wlroots'
# headless backend, software rendering, no input devices: wtype types into it), inside a
# private D-Bus session, with the runtime folder and home in a throw-away folder. The command
# finds the compositor through WAYLAND_DISPLAY and SWAYSOCK.
set -euo pipefail

scratch="$(mktemp -d)"
started=()
cleanup() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/runtime" "$scratch/home"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
export XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_CACHE_HOME="$scratch/home/.cache"
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
printf 'output HEADLESS-1 resolution 1280x800\nxwayland disable\n' >"$scratch/config"

# sway refuses to run as root; in a user namespace of its own it runs as nobody.
run=(sway --config "$scratch/config")
[ "$(id -u)" -ne 0 ] || run=(unshare --user "${run[@]}")
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    "${run[@]}" >"$scratch/sway.log" 2>&1 &
started=($!)
for _ in $(seq 100); do
    socket="$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'wayland-*' -type s | head -n1)"
    ipc="$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*.sock' -type s | head -n1)"
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    sleep 0.1
done
if [ -z "$socket" ] || [ -z "$ipc" ]; then
    echo "with-sway.sh: sway did not start" >&2
    cat "$scratch/sway.log" >&2
    exit 1
fi
export WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc"
# A keyboard that stays plugged in (it presses Shift in a day), so clients have one from their
# start: the one each wtype call brings would come and go before a client could bind it.
wtype -s 86400000 -k Shift_L &
started=("$!" "${started[@]}")
dbus-run-session -- "$@"
