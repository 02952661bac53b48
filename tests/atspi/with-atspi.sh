#!/usr/bin/env bash
# Runs tst_atspi.py against the binary given as $1: a private D-Bus session with its own
# accessibility bus, a throw-away home with a data file to walk, and Qt's accessibility bridge
# on without a screen reader asking for it. Needs an X server (DISPLAY): xvfb-run gives one.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${QUAYLIN_ATSPI_SCRATCH:-}" ]; then
    # The home and data folders first, so the session bus and all it starts use them too.
    QUAYLIN_ATSPI_SCRATCH="$(mktemp -d)"
    export QUAYLIN_ATSPI_SCRATCH
    scratch="$QUAYLIN_ATSPI_SCRATCH"
    mkdir -m 700 "$scratch/runtime"
    export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
    export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
    export XDG_CACHE_HOME="$scratch/cache"
    status=0
    dbus-run-session -- "$0" "$@" || status=$?
    rm -rf "$scratch"
    exit "$status"
fi

scratch="$QUAYLIN_ATSPI_SCRATCH"
started=()
cleanup() {
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset WAYLAND_DISPLAY

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
started+=($!)
# Debian's own python: pyatspi comes from python3-pyatspi, not from a user's interpreter.
/usr/bin/python3 "$here/tst_atspi.py" "$1" "$scratch"
