#!/usr/bin/env bash
# song_gap.sh [BUILD_DIR] [SECONDS] [midi|wave]: the silence the program leaves
# between songs, on the real audio path. An album of three 2-second songs (clicks
# at 0, 0.5, 1 and 1.5 s, the last held to the end; MIDI files from bench_midi
# --write-short-songs, or wave files of 10 ms tone bursts made by sox) plays in
# a loop for SECONDS (default 30) on a virtual
# display, to a private PipeWire server's null sink (scripts/with-sound-server.sh),
# recorded from its monitor. For every song change: the time from the end of the
# song (its last click plus half a second) to the first click of the next; the
# gaps, their mean and the worst are printed. VANTOR_BENCH_KEEP=FILE keeps the
# program's error output in FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-30}
kind=${3:-midi}
if [[ -z ${VANTOR_NULL_SINK:-} ]]; then
  exec "$root/scripts/with-sound-server.sh" "$0" "$build" "$seconds" "$kind"
fi
bench=$build/bin/bench_midi
[[ -x $bench && -x $build/bin/vantor ]] || { echo "build vantor and bench_midi first ($build/bin)"; exit 1; }
. "$root/bench/program.sh"
need_tools Xvfb parecord sox

work=$(mktemp -d)
recorder=0
trap '(( recorder > 0 )) && kill "$recorder" 2>/dev/null; stop_program; stop_display; rm -rf "$work"' EXIT
soundfont=$(bench_soundfont) || exit 1
mkdir -p "$work/songs"
if [[ $kind == wave ]]; then
  sox -n -r 44100 -c 1 -b 16 "$work/burst.wav" synth 0.01 sine 2000 vol 0.5
  sox "$work/burst.wav" "$work/click.wav" pad 0 0.49
  for i in 1 2 3; do sox "$work"/click.wav "$work"/click.wav "$work"/click.wav "$work"/click.wav "$work/songs/song$i.wav"; done
  songs=("$work"/songs/song{1,2,3}.wav)
else
  "$bench" --write-short-songs "$work/songs"
  songs=("$work"/songs/song{1,2,3}.mid)
fi
rate=48000

start_display
make_program "$work/program" "$build" "$soundfont" 1 "${songs[@]}"
parecord --device="$VANTOR_NULL_SINK.monitor" --raw --format=s16le --rate=$rate --channels=1 "$work/rec.raw" &
recorder=$!
start_program "$work/program"
wait_for_song "$work/program" 1
sleep "$seconds"
stop_program
[[ -n ${VANTOR_BENCH_KEEP:-} ]] && cp "$work/program/err" "$VANTOR_BENCH_KEEP"
kill -INT "$recorder"; wait "$recorder" 2>/dev/null || true; recorder=0
echo "three 2-second $kind songs in a loop for $seconds s, SoundFont: $soundfont"
"$bench" --gaps "$work/rec.raw" $rate
