#!/usr/bin/env bash
# Makes the Debian package of this build (as scripts/package.sh does) and checks what a machine
# installing it gets: the binary, and what desktops and software centres read (the launcher
# entry, the AppStream metadata and the icon they name), valid; and dependencies on runtime
# packages only, so it installs without the build's -dev packages.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch" >/dev/null)
deb="$(echo "$scratch"/quaylin_*.deb)"
bin=usr/bin/quaylin
desktop=usr/share/applications/app.quaylin.Quaylin.desktop
metainfo=usr/share/metainfo/app.quaylin.Quaylin.metainfo.xml
icon=usr/share/icons/hicolor/scalable/apps/app.quaylin.Quaylin.svg
dpkg-deb --contents "$deb" | awk '{ print $6 }' >"$scratch/files"
for file in "$bin" "$desktop" "$metainfo" "$icon"; do
    grep -qx "./$file" "$scratch/files" || { echo "the package lacks /$file" >&2; exit 1; }
done
depends="$(dpkg-deb --field "$deb" Depends)"
for package in git libc6 libqt6widgets6 libqt6keychain1 libicu72; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || {
        echo "the package does not depend on $package: $depends" >&2
        exit 1
    }
done
if grep -qE "(^|, )[^ ,]+-dev( |,|$)" <<<"$depends"; then
    echo "the package depends on a -dev package: $depends" >&2
    exit 1
fi

root="$scratch/root"
dpkg-deb --extract "$deb" "$root"
test -x "$root/$bin"
desktop-file-validate "$root/$desktop"
appstreamcli validate --no-net "$root/$metainfo"
grep -qx 'Icon=app.quaylin.Quaylin' "$root/$desktop"
grep -q '<svg' "$root/$icon"
# The metadata names this build's version as its newest release.
version="$("$root/$bin" --version | cut -d' ' -f2)"
grep -q "<release version=\"$version\"" "$root/$metainfo" || {
    echo "metainfo has no release $version" >&2
    exit 1
}
echo "package valid"
