#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what a player
# gets: the menu entry and metainfo validate, the installed program starts
# without a display, seeds the per-user data folder on first start and never
# overwrites the player's files later; the Debian package holds the program,
# its data, the menu entry and the icon.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/numbrava share/numbrava/NUMBRAVA.HLP share/numbrava/tada.wav \
         share/numbrava/pbk.rtl share/numbrava/million.rtl share/numbrava/pbk69.rtl \
         share/numbrava/million70.rtl share/numbrava/wheels/5-5-5-7.whl \
         share/applications/org.numbrava.Numbrava.desktop \
         share/metainfo/org.numbrava.Numbrava.metainfo.xml \
         share/icons/hicolor/scalable/apps/numbrava.svg \
         share/icons/hicolor/48x48/apps/numbrava.png; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$prefix/share/applications/org.numbrava.Numbrava.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.numbrava.Numbrava.metainfo.xml" >/dev/null

# The prefix may move: the program finds its files relative to itself.
mv "$prefix" "$work/moved"
prefix=$work/moved
home=$work/home
run() { exec env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/numbrava" "$@"; }

run --version | grep -q "Numbrava" || fail "--version printed no version"
user=$home/.local/share/Numbrava
[ ! -e "$user" ] || fail "--version created the data folder"

# A start seeds the per-user folder; the program keeps running until stopped.
run >/dev/null 2>&1 & pid=$!
for _ in $(seq 1 100); do [ -f "$user/game.dat" ] && break; sleep 0.1; done
kill "$pid"; wait "$pid" 2>/dev/null || true
for f in pbk.rtl pbk69.rtl million70.rtl; do
    cmp -s "$user/$f" "$prefix/share/numbrava/$f" || fail "$f not seeded"
done
[ -f "$user/wheels/5-3-3-13.whl" ] || fail "wheels not seeded"

# A second start keeps the player's own history.
printf 'my own draws' > "$user/pbk.rtl"
printf 'my own 5/69 draws' > "$user/pbk69.rtl"
run >/dev/null 2>&1 & pid=$!
for _ in $(seq 1 30); do sleep 0.1; done
kill "$pid"; wait "$pid" 2>/dev/null || true
[ "$(cat "$user/pbk.rtl")" = "my own draws" ] || fail "a second start overwrote pbk.rtl"
[ "$(cat "$user/pbk69.rtl")" = "my own 5/69 draws" ] || fail "a second start overwrote pbk69.rtl"

# The Debian package.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/numbrava_*.deb)
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/numbrava ./usr/share/numbrava/pbk.rtl ./usr/share/numbrava/million70.rtl \
         ./usr/share/numbrava/wheels/5-5-5-7.whl \
         ./usr/share/applications/org.numbrava.Numbrava.desktop \
         ./usr/share/icons/hicolor/scalable/apps/numbrava.svg; do
    grep -qF " $f" <<<"$contents" || fail "package lacks $f"
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "package depends on no Qt library"
echo "install and package: passed"
