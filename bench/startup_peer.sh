#!/usr/bin/env bash
# startup_peer.sh [BUILD_DIR] [RUNS]: start-up of the program against a bare Qt
# window on the same virtual display (Xvfb): both are started alternately, RUNS
# times each, and timed from the process start to the X server's MapNotify of
# their first top-level window (map_wait). The program runs as a private copy
# like startup.sh's (own settings file with no upgrade information, own
# single-instance socket). Prints each run, both medians and their ratio.
# PROGRAM_DIR: another build's bin folder to take the program from (to compare
# builds with the same yardstick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
bin=${PROGRAM_DIR:-$build/bin}
[[ -x $bin/vantor ]] || { echo "build the program first ($bin/vantor)"; exit 1; }
for tool in bare_window map_wait; do
  [[ -x $build/bin/$tool ]] || { echo "build $tool first ($build/bin/$tool)"; exit 1; }
done
. "$root/bench/program.sh"
need_tools Xvfb

work=$(mktemp -d "$build/startup-peer-XXXXXX")
trap 'stop_display; rm -rf "$work"' EXIT
start_display

cp -l "$bin/vantor" "$work/"
for extra in zrvft2 default.alb demo; do
  [[ -e $bin/$extra ]] && cp -al "$bin/$extra" "$work/"
done

bare=(); prog=()
for run in $(seq "$runs"); do
  b=$(XDG_RUNTIME_DIR=$work "$build/bin/map_wait" "$build/bin/bare_window" 2>/dev/null)
  printf '[General]\r\nVersion=5.7\r\n' > "$work/Vantor.ini"
  runtime=$(mktemp -d "$work/run-XXXXXX")
  p=$(XDG_RUNTIME_DIR=$runtime "$build/bin/map_wait" "$work/vantor" 2>/dev/null)
  echo "run $run: bare window ${b} ms, vantor ${p} ms"
  bare+=("$b"); prog+=("$p")
done
median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
mb=$(median "${bare[@]}"); mp=$(median "${prog[@]}")
awk -v b="$mb" -v p="$mp" 'BEGIN { printf "median: bare window %.1f ms, vantor %.1f ms, ratio %.2f\n", b, p, p / b }'
