#!/usr/bin/env bash
# song_gap.sh [BUILD_DIR] [SECONDS]: the silence the program leaves between
# songs, on the real audio path. An album of three 2-second MIDI songs (clicks
# at 0, 0.5, 1 and 1.5 s, the last held to the end; bench_midi
# --write-short-songs) plays in a loop for SECONDS (default 30) on a virtual
# display, to a private PipeWire server's null sink (scripts/with-sound-server.sh),
# recorded from its monitor. For every song change: the time from the end of the
# song (its last click plus half a second) to the first click of the next; the
# gaps, their mean and the worst are printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-30}
if [[ -z ${VANTOR_NULL_SINK:-} ]]; then
  exec "$root/scripts/with-sound-server.sh" "$0" "$build" "$seconds"
fi
bench=$build/bin/bench_midi
[[ -x $bench && -x $build/bin/vantor ]] || { echo "build vantor and bench_midi first ($build/bin)"; exit 1; }
for tool in Xvfb parecord; do
  command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }
done
. "$root/bench/program.sh"

work=$(mktemp -d)
recorder=0
trap '(( recorder > 0 )) && kill "$recorder" 2>/dev/null; stop_program; stop_display; rm -rf "$work"' EXIT
soundfont=""
for sf in /usr/share/sounds/sf2/TimGM6mb.sf2 /usr/share/sounds/sf2/FluidR3_GM.sf2 /usr/share/sounds/sf2/default-GM.sf2; do
  [[ -f $sf ]] && { soundfont=$sf; break; }
done
[[ -n $soundfont ]] || { echo "no General MIDI SoundFont installed"; exit 1; }
mkdir -p "$work/songs"
"$bench" --write-short-songs "$work/songs"
rate=48000

start_display
make_program "$work/program" "$build" "$soundfont" 1 "$work"/songs/song{1,2,3}.mid
parecord --device="$VANTOR_NULL_SINK.monitor" --raw --format=s16le --rate=$rate --channels=1 "$work/rec.raw" &
recorder=$!
start_program "$work/program"
wait_for_song "$work/program" 1
sleep "$seconds"
stop_program
[[ -n ${VANTOR_BENCH_KEEP:-} ]] && cp "$work/program/err" "$VANTOR_BENCH_KEEP"
kill -INT "$recorder"; wait "$recorder" 2>/dev/null || true; recorder=0
echo "three 2-second MIDI songs in a loop for $seconds s, SoundFont: $soundfont"
"$bench" --gaps "$work/rec.raw" $rate
