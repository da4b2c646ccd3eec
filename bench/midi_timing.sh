#!/usr/bin/env bash
# midi_timing.sh [BUILD_DIR] [RUNS]: how closely MIDI notes keep to the song's
# tempo map on the real audio path. A click track (about 30 s of clicks under
# six tempos, bench_midi --write-clicks) is played RUNS times (default 3) by the
# program itself (on a virtual display, an album of that one song) and by
# FluidSynth's command-line player, each to a private PipeWire server's null sink
# (scripts/with-sound-server.sh) and recorded from its monitor; the clicks found
# in the recording are set against the times the tempo map gives, the delay of
# the whole recording (the median difference) taken out. Prints the worst and
# mean deviation of each run and the median of the worst ones per player.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-3}
if [[ -z ${VANTOR_NULL_SINK:-} ]]; then
  exec "$root/scripts/with-sound-server.sh" "$0" "$build" "$runs"
fi
bench=$build/bin/bench_midi
[[ -x $bench && -x $build/bin/vantor ]] || { echo "build vantor and bench_midi first ($build/bin)"; exit 1; }
. "$root/bench/program.sh"
need_tools fluidsynth Xvfb parecord

work=$(mktemp -d)
recorder=0
trap '(( recorder > 0 )) && kill "$recorder" 2>/dev/null; stop_program; stop_display; rm -rf "$work"' EXIT
soundfont=$(bench_soundfont) || exit 1
"$bench" --write-clicks "$work/clicks.mid"
rate=48000
length=32

record() { parecord --device="$VANTOR_NULL_SINK.monitor" --raw --format=s16le --rate=$rate --channels=1 "$1" & recorder=$!; }
stop_recording() { kill -INT "$recorder" 2>/dev/null; wait "$recorder" 2>/dev/null || true; recorder=0; }
worst() { sed -n 's/.*worst \([0-9.]*\) ms.*/\1/p' "$1"; }

start_display
echo "click track: $length s at most, SoundFont: $soundfont"
ours=(); theirs=()
for run in $(seq "$runs"); do
  rm -rf "$work/program"
  make_program "$work/program" "$build" "$soundfont" 0 "$work/clicks.mid"
  record "$work/vantor.raw"
  start_program "$work/program"
  wait_for_song "$work/program" 1
  sleep "$length"
  stop_program
  stop_recording
  "$bench" --timing "$work/vantor.raw" $rate >"$work/vantor.txt" || true
  echo "run $run vantor program:    $(cat "$work/vantor.txt")"
  ours+=("$(worst "$work/vantor.txt")")

  record "$work/fluid.raw"
  fluidsynth -ni -q -a pulseaudio -r 44100 "$soundfont" "$work/clicks.mid" >/dev/null 2>&1
  sleep 1
  stop_recording
  "$bench" --timing "$work/fluid.raw" $rate >"$work/fluid.txt" || true
  echo "run $run fluidsynth player: $(cat "$work/fluid.txt")"
  theirs+=("$(worst "$work/fluid.txt")")
done
median() { printf '%s\n' "$@" | grep . | sort -n | awk '{ a[NR] = $1 } END { print NR ? a[int((NR + 1) / 2)] : "-" }'; }
echo "median worst deviation: vantor program $(median "${ours[@]}") ms, fluidsynth player $(median "${theirs[@]}") ms"
