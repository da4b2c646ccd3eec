#!/usr/bin/env bash
# startup.sh [BUILD_DIR] [RUNS]: start-up time of the program to its first shown
# window, and its resident memory 2 s after start, on a virtual display (Xvfb).
# Each run starts a private copy of the program (its own settings file, no
# upgrade information, its own single-instance socket) and measures from the
# moment the process is started until its frame window is viewable;
# VmRSS comes from /proc. Prints each run and the medians.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
[[ -x $build/bin/vantor ]] || { echo "build the program first ($build/bin/vantor)"; exit 1; }
for tool in Xvfb xwininfo; do
  command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }
done

work=$(mktemp -d "$build/startup-XXXXXX")
n=120
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb

# The program with what it finds beside itself; links, so nothing is copied.
cp -l "$build/bin/vantor" "$work/"
for extra in zrvft2 default.alb demo; do
  [[ -e $build/bin/$extra ]] && cp -al "$build/bin/$extra" "$work/"
done

# The frame by its window class (its title follows the album and song).
frame_shown() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | awk '/\("vantor" "Vantor"\)/ { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && return 0
  done
  return 1
}

times=(); rss=()
for run in $(seq "$runs"); do
  printf '[General]\r\nVersion=5.7\r\n' > "$work/Vantor.ini"
  runtime=$(mktemp -d "$work/run-XXXXXX")
  start=$(date +%s%N)
  XDG_RUNTIME_DIR=$runtime "$work/vantor" >/dev/null 2>&1 &
  pid=$!
  shown=""
  while [[ -z $shown ]]; do
    if frame_shown; then
      shown=$(date +%s%N)
    elif ! kill -0 "$pid" 2>/dev/null; then
      echo "run $run: the program ended before its window showed"; exit 1
    else
      sleep 0.005
    fi
  done
  ms=$(( (shown - start) / 1000000 ))
  sleep $(awk -v s="$start" -v n="$(date +%s%N)" 'BEGIN { d = 2 - (n - s) / 1e9; print (d > 0 ? d : 0) }')
  kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  kill -TERM "$pid"; wait "$pid" || true
  echo "run $run: window shown after ${ms} ms, resident ${kb} kB after 2 s"
  times+=("$ms"); rss+=("$kb")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "median: window shown after $(median "${times[@]}") ms, resident $(( $(median "${rss[@]}") / 1024 )) MB after 2 s"
