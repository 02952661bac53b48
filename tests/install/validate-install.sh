#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks what desktops and software centres
# read: the launcher entry, the AppStream metadata and the icon they name.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
desktop="$share/applications/app.quaylin.Quaylin.desktop"
metainfo="$share/metainfo/app.quaylin.Quaylin.metainfo.xml"
icon="$share/icons/hicolor/scalable/apps/app.quaylin.Quaylin.svg"

test -x "$prefix/bin/quaylin"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
grep -qx 'Icon=app.quaylin.Quaylin' "$desktop"
grep -q '<svg' "$icon"
# The metadata names this build's version as its newest release.
version="$("$prefix/bin/quaylin" --version | cut -d' ' -f2)"
grep -q "<release version=\"$version\"" "$metainfo" || {
    echo "metainfo has no release $version" >&2
    exit 1
}
echo "installed files valid"
