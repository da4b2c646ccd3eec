#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts the jukebox on
# its bundled demo album. Arguments go to the program (an album to load).
# With no display it runs on a virtual one (Xvfb), says so, and saves a
# screenshot after a few seconds; Ctrl+C closes the program as its close box
# does (settings and album are saved) and then stops the virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh build

# The program keeps its settings and album beside itself, so it runs from a
# folder of the user's own, not from the build: the tests read the build's demo
# album, and the user's edits survive a rebuild. The program's files are renewed
# at every run; the demo songs and album are copied only once.
home=${XDG_DATA_HOME:-$HOME/.local/share}/vantor
mkdir -p "$home"
for file in vantor Vantor.hlp zrvft2; do
  cp -f "build/bin/$file" "$home/$file.new" && mv -f "$home/$file.new" "$home/$file"
done
[[ -e "$home/default.alb" ]] || cp build/bin/default.alb "$home/"
[[ -d "$home/demo" ]] || cp -r build/bin/demo "$home/"
echo "The Vantor runs from $home (its settings and albums stay there)."

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$home/vantor" "$@"
fi

n=99
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
# Its own session: Ctrl+C must reach the program only, which still needs the
# display while it saves.
setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [[ -e /tmp/.X11-unix/X$n ]] && break
  sleep 0.1
done
export DISPLAY=":$n"
shot="$root/build/vantor-screen.png"
echo "No display found: The Vantor runs on the virtual display $DISPLAY (Xvfb). Press Ctrl+C to quit."

set +e
"$home/vantor" "$@" &
pid=$!
# Ctrl+C reaches the program itself (the whole process group gets it).
trap '' INT
trap 'kill -TERM "$pid" 2>/dev/null' TERM
(
  sleep 4
  if import -window root "$shot" 2>/dev/null; then
    echo "Screenshot of the virtual display: $shot"
  fi
) &
status=0
while kill -0 "$pid" 2>/dev/null; do
  wait "$pid"
  status=$?
done
exit "$status"
