#!/usr/bin/env bash
# memory_midi.sh [BUILD_DIR] [SOUNDFONT...]: resident memory of the program
# while it plays MIDI, next to FluidSynth's command-line player on the same
# piece and SoundFont. For each SoundFont (default: TimGM6mb, and FluidR3_GM
# when installed) the program starts on Xvfb on a one-song album holding the
# MIDI benchmark's three-minute piece, with Auto Play and the SoundFont chosen
# in its settings file, beside a private sound server with a null sink
# (scripts/with-sound-server.sh); VmRSS is read 5 s after the song starts,
# with its anonymous and file-backed shares. DETAIL=1 also lists the largest
# mappings by library. PROGRAM_DIR: another build's bin folder to take the
# program from.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
fonts=("$@")
if (( ${#fonts[@]} == 0 )); then
  fonts=(/usr/share/sounds/sf2/TimGM6mb.sf2)
  [[ -f /usr/share/sounds/sf2/FluidR3_GM.sf2 ]] && fonts+=(/usr/share/sounds/sf2/FluidR3_GM.sf2)
fi
bin=${PROGRAM_DIR:-$build/bin}
[[ -x $bin/vantor ]] || { echo "build the program first ($bin/vantor)"; exit 1; }
[[ -x $build/bin/bench_midi ]] || { echo "build bench_midi first ($build/bin/bench_midi)"; exit 1; }
for tool in Xvfb fluidsynth; do
  command -v $tool >/dev/null || { echo "$tool is not installed"; exit 1; }
done

if [[ ${MEMORY_MIDI_INNER:-} != 1 ]]; then
  MEMORY_MIDI_INNER=1 exec "$root/scripts/with-sound-server.sh" "$0" "$build" "${fonts[@]}"
fi

work=$(mktemp -d "$build/memory-midi-XXXXXX")
n=160
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=0
trap '(( pid > 0 )) && kill "$pid" 2>/dev/null; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb

cp -l "$bin/vantor" "$work/"
[[ -e $bin/zrvft2 ]] && cp -l "$bin/zrvft2" "$work/"
"$build/bin/bench_midi" --write-piece "$work/piece.mid"
printf '0\r\npiece.mid\r\n' >"$work/default.alb"

# VmRSS and its shares (kB) of process $1: "rss anon file".
resident() {
  awk '/^Rss:/ { rss = $2 } /^Anonymous:/ { anon = $2 } END { print rss, anon, rss - anon }' "/proc/$1/smaps_rollup"
}
# The largest resident mappings of process $1 grouped by file ([anon] for none).
detail() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6 ? $6 : "[anon]"); sub(".*/", "", name) }
       /^Rss:/ { rss[name] += $2 }
       END { for (n in rss) if (rss[n] >= 512) printf "    %7d kB  %s\n", rss[n], n }' "/proc/$1/smaps" |
    sort -rn | head -15
}
report() {   # report LABEL PID
  read -r rss anon file < <(resident "$2")
  printf '%-34s resident %6.1f MB (anonymous %6.1f MB, files %5.1f MB), %d libraries\n' "$1" \
    "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" "$(awk -v k="$anon" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="$file" 'BEGIN { print k / 1024 }')" "$(grep -c '\.so' <(awk '{ print $6 }' "/proc/$2/maps" | sort -u))"
  [[ ${DETAIL:-} == 1 ]] && detail "$2"
  return 0
}

for font in "${fonts[@]}"; do
  [[ -f $font ]] || { echo "$font: no such SoundFont"; exit 1; }
  echo "SoundFont $font ($(( $(stat -Lc %s "$font") / 1048576 )) MB), 5 s into the piece:"
  printf '[General]\r\nVersion=5.7\r\n[Settings]\r\nAutoPlay=1\r\nAutoSaveAlbum=0\r\n[Synth]\r\nSoundFont=%s\r\n' \
    "$font" >"$work/Vantor.ini"
  "$work/vantor" >"$work/out" 2>"$work/err" &
  pid=$!
  until grep -q '^song ' "$work/out"; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; cat "$work/err"; exit 1; }
    sleep 0.05
  done
  sleep 5
  report "  vantor" "$pid"
  kill -TERM "$pid"; wait "$pid" || true; pid=0

  fluidsynth -ni -q -a pulseaudio -r 44100 "$font" "$work/piece.mid" >/dev/null 2>&1 &
  pid=$!
  sleep 5
  report "  fluidsynth command-line player" "$pid"
  kill -TERM "$pid"; wait "$pid" || true; pid=0
done
