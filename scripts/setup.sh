#!/usr/bin/env bash
# Installs what Quaylin needs to build and test on Debian 12, and any further packages named
# as arguments (scripts/screenshots.sh asks for its own). Runs apt-get only when a package is
# missing; needs root (or sudo) for that.
set -euo pipefail

packages=(
    g++ cmake ninja-build git pkg-config
    qt6-base-dev qt6-svg-dev qt6-httpserver-dev qt6-translations-l10n libgl-dev
    qcoro-qt6-dev qtkeychain-qt6-dev libicu-dev libxcb1-dev
    dbus dbus-x11 gnome-keyring libsecret-1-0 libsecret-tools
    fonts-dejavu-core fonts-noto-color-emoji xvfb xauth xdotool at-spi2-core python3-pyatspi
    qt6-wayland sway wtype
    zlib1g-dev desktop-file-utils appstream python3 dpkg-dev file
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
