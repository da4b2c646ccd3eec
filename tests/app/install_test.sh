#!/usr/bin/env bash
# The installed program as a desktop sees it: `cmake --install` into a temporary
# prefix, the desktop entry and the album type checked by the desktop's own
# tools, then the program started by the entry's Exec line with an album in a
# folder whose name has a blank, on a virtual display. Its folder is not the
# user's to write, so its settings and default album land in ~/.config/vantor.
# usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
xvfb=
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$*"; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install failed"; }
program=$prefix/lib/vantor
for file in vantor Vantor.hlp zrvft2 default.alb reset.mid demo/minuet.mid; do
  [[ -f $program/$file ]] || fail "not installed: $program/$file"
done
[[ $(readlink -f "$prefix/bin/vantor") == "$program/vantor" ]] || fail "$prefix/bin/vantor does not start the program"

entry=$prefix/share/applications/vantor.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
mime=$prefix/share/mime/packages/vantor-album.xml
xmllint --noout "$mime"
pattern=$(xmllint --xpath 'string(//*[local-name()="mime-type"][@type="application/x-vantor-album"]/*[local-name()="glob"]/@pattern)' "$mime")
[[ $pattern == "*.alb" ]] || fail "the album type maps '$pattern', not *.alb"
grep -qx 'application/x-vantor-album:\*\.alb' "$prefix/share/mime/globs" || fail "the MIME database has no *.alb"
for size in 16 32 48 128 256; do
  [[ -f $prefix/share/icons/hicolor/${size}x${size}/apps/vantor.png ]] || fail "no $size px icon"
done
[[ -f $prefix/share/icons/hicolor/scalable/apps/vantor.svg ]] || fail "no scalable icon"

# An album of the demo songs, in a folder as a user names one.
albums="$work/My Albums"
mkdir -p "$albums"
cp -r "$program/demo" "$program/default.alb" "$albums/"
mv "$albums/default.alb" "$albums/road trip.alb"
chmod -R a+rX "$albums"

home=$work/home
mkdir -p "$home" "$work/run"
chmod 777 "$home"
chmod 700 "$work/run"
# The program's folder must not be the user's to write: as root, the user is nobody.
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  chown nobody "$home" "$work/run"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$program"
fi

n=99
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done

exec_line=$(sed -n 's/^Exec=//p' "$entry")
command=${exec_line%% %f}
[[ $command != "$exec_line" ]] || fail "the Exec line takes no file: $exec_line"
env -i PATH=/usr/bin:/bin DISPLAY=":$n" HOME="$home" XDG_RUNTIME_DIR="$work/run" \
  "${as_user[@]}" "$command" "$albums/road trip.alb" >"$work/out" 2>&1 &
pid=$!
for _ in $(seq 200); do
  grep -q '^song 001:' "$work/out" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
grep -q '^song 001: .*minuet\.mid' "$work/out" || { cat "$work/out"; fail "the album's first song did not start"; }
# The first start also shows the information dialog: the frame is the window naming the album.
title=$(DISPLAY=":$n" xdotool search --name 'road' getwindowname 2>/dev/null | head -n 1)
[[ $title == *minuet* ]] || fail "no frame's caption shows the album: '$title'"
kill -TERM "$pid"
wait "$pid" || fail "the program ended with $?"

config=$home/.config/vantor
[[ -f $config/Vantor.ini ]] || fail "no settings file in $config"
[[ -f $config/default.alb ]] || fail "no default album in $config"
grep -q 'minuet\.mid' "$config/default.alb" || fail "the default album lost the demo songs"
[[ ! -e $program/Vantor.ini ]] || fail "settings written into the program's folder"
grep -qi 'road' "$config/Vantor.ini" || fail "the album opened is not among the recent ones"
echo "installed, validated, started from the entry with an album; settings in $config"
