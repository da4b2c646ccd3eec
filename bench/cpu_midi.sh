#!/usr/bin/env bash
# cpu_midi.sh [BUILD_DIR] [SECONDS] [server|null]: CPU and memory while playing
# the benchmark's three-minute MIDI piece in real time, side by side in one run,
# on the same file and SoundFont:
#   vantor program     the program itself on a virtual display (Xvfb), playing an
#                      album of that one song
#   vantor sequencer   our sequencer alone (bench_midi --play)
#   fluidsynth player  FluidSynth's command-line player (fluidsynth -ni)
# Each plays for a few seconds first (start-up and SoundFont loading are not
# counted), then for SECONDS (default 20): the CPU time used over that stretch
# (all threads, from /proc/PID/stat) as a share of one core, and the resident
# memory at its end (VmRSS) and at its peak (VmHWM).
# Output "server" (the default): all three play to a private PipeWire server's
# null sink (scripts/with-sound-server.sh); "null": no sound server, the program
# and the sequencer render into nothing, FluidSynth's player into /dev/null.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-20}
output=${3:-server}
if [[ $output == server && -z ${VANTOR_NULL_SINK:-} ]]; then
  exec "$root/scripts/with-sound-server.sh" "$0" "$build" "$seconds" server
fi
bench=$build/bin/bench_midi
[[ -x $bench && -x $build/bin/vantor ]] || { echo "build vantor and bench_midi first ($build/bin)"; exit 1; }
. "$root/bench/program.sh"
need_tools fluidsynth Xvfb

work=$(mktemp -d)
pid=0
trap '(( pid > 0 )) && kill "$pid" 2>/dev/null; stop_program; stop_display; rm -rf "$work"' EXIT
"$bench" --write-piece "$work/piece.mid"
soundfont=$(bench_soundfont) || exit 1
warmup=4
pulse=""
[[ $output == server ]] && pulse="unix:$XDG_RUNTIME_DIR/pulse/native"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
kb() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
# measure LABEL PID: after the warm-up, SECONDS of the running process PID.
measure() {
  local label=$1 p=$2 c0 c1 t0 t1
  sleep "$warmup"
  kill -0 "$p" 2>/dev/null || { echo "$label: ended before it was measured"; return 1; }
  c0=$(cpu_ticks "$p"); t0=$(date +%s%N)
  sleep "$seconds"
  c1=$(cpu_ticks "$p"); t1=$(date +%s%N)
  awk -v l="$label" -v c=$((c1 - c0)) -v hz="$ticks" -v ns=$((t1 - t0)) -v rss="$(kb "$p" VmRSS)" \
      -v hwm="$(kb "$p" VmHWM)" 'BEGIN {
    printf "%-18s cpu %6.2f s over %6.2f s = %5.1f %% of one core; resident %5.1f MB, peak %5.1f MB\n",
           l, c / hz, ns / 1e9, 100 * c / hz / (ns / 1e9), rss / 1024, hwm / 1024 }'
}

echo "piece: 3 min, SoundFont: $soundfont, output: $output, measured over ${seconds} s each after ${warmup} s"

start_display
make_program "$work/program" "$build" "$soundfont" 0 "$work/piece.mid"
start_program "$work/program"
measure "vantor program" "$program_pid"
stop_program

if [[ $output == server ]]; then
  "$bench" --play "$work/piece.mid" $((warmup + seconds + 2)) server >/dev/null 2>&1 &
else
  PULSE_SERVER="unix:$work/none" "$bench" --play "$work/piece.mid" $((warmup + seconds + 2)) >/dev/null 2>&1 &
fi
pid=$!
measure "vantor sequencer" "$pid"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; pid=0

if [[ $output == server ]]; then
  fluidsynth -ni -q -a pulseaudio -r 44100 "$soundfont" "$work/piece.mid" >/dev/null 2>&1 &
else
  fluidsynth -ni -q -a file -o audio.file.name=/dev/null -o audio.file.type=raw -r 44100 \
    "$soundfont" "$work/piece.mid" >/dev/null 2>&1 &
fi
pid=$!
measure "fluidsynth player" "$pid"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; pid=0
