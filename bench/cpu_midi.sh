#!/usr/bin/env bash
# cpu_midi.sh [BUILD_DIR] [SECONDS]: CPU used while playing the benchmark's
# three-minute MIDI piece in real time into nothing, by our sequencer (null
# output) and by the fluidsynth command-line player (file driver into /dev/null,
# which also paces itself in real time). Same SoundFont, same piece, same time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-30}
bench=$build/bin/bench_midi
[[ -x $bench ]] || { echo "build bench_midi first ($bench)"; exit 1; }
command -v fluidsynth >/dev/null || { echo "fluidsynth (the command-line player) is not installed"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-piece "$work/piece.mid"
soundfont=""
for sf in /usr/share/sounds/sf2/FluidR3_GM.sf2 /usr/share/sounds/sf2/TimGM6mb.sf2 /usr/share/sounds/sf2/default-GM.sf2; do
  [[ -f $sf ]] && { soundfont=$sf; break; }
done
[[ -n $soundfont ]] || { echo "no General MIDI SoundFont installed"; exit 1; }

TIMEFORMAT='%U %S %R'
measure() {   # measure LABEL COMMAND...: prints CPU seconds and share of one core
  local label=$1; shift
  local t; t=$( { time "$@" >/dev/null 2>&1; } 2>&1 | tail -n 1)
  read -r user sys real <<<"$t"
  awk -v l="$label" -v u="$user" -v s="$sys" -v r="$real" \
    'BEGIN { printf "%-22s cpu %6.2f s over %6.2f s = %5.1f %% of one core\n", l, u + s, r, 100 * (u + s) / r }'
}
echo "piece: 3 min, SoundFont: $soundfont, playing ${seconds} s each"
measure "vantor sequencer" "$bench" --play "$work/piece.mid" "$seconds"
measure "fluidsynth player" timeout "$seconds" fluidsynth -ni -q -a file \
  -o audio.file.name=/dev/null -o audio.file.type=raw -r 44100 "$soundfont" "$work/piece.mid" || true
