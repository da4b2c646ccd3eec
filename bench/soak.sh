#!/usr/bin/env bash
# soak.sh [BUILD_DIR] [TRANSITIONS]: the program plays TRANSITIONS song changes
# (default 1000) on its real drivers, 0.2-second songs, MIDI and wave taking
# turns, Continuous Loop on, into no sound (no sound server is used). In the
# sanitized build (the default, build-asan) it reports any sanitizer finding or
# leak; in any build it prints the resident memory, open file descriptors and
# threads over songs 100 to 109 and over the last ten, and fails when memory
# grows by 2 MB or more (plain builds only), or descriptors or threads grow.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-asan}
transitions=${2:-1000}
[[ -x $build/bin/vantor ]] || { echo "build the program first ($build/bin/vantor)"; exit 1; }
command -v sox >/dev/null || { echo "sox is not installed (scripts/setup.sh installs it)"; exit 1; }

work=$(mktemp -d)
pid=0
trap '(( pid > 0 )) && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cp "$build/bin/vantor" "$build/bin/Vantor.hlp" "$build/bin/zrvft2" "$work/"
mkdir -p "$work/run"

# Ten songs of each kind, 0.2 s each: a wave made by sox, a MIDI file of one
# note 38 ticks long at 96 ticks per quarter and 120 beats per minute.
midi='MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x0c\x00\x90\x3c\x64\x26\x80\x3c\x40\x00\xff\x2f\x00'
{
  echo 0
  for i in $(seq -w 0 9); do
    printf "$midi" >"$work/m$i.mid"
    sox -n -r 22050 -c 1 -b 16 "$work/w$i.wav" synth 0.2 sine 440
    echo "m$i.mid"
    echo "w$i.wav"
  done
} >"$work/default.alb"
printf '[General]\r\nVersion=5.7\r\n[Settings]\r\nContinuousLoop=1\r\nRandomOrder=0\r\nAutoPlay=1\r\nAutoSaveAlbum=0\r\n' \
  >"$work/Vantor.ini"

# AddressSanitizer holds freed memory back (its quarantine, 256 MB) so that late
# uses are caught; that memory would show as growth here. Without it, resident
# memory shows what the program itself keeps; leaks are still reported at exit.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:quarantine_size_mb=0"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
# No sound server answers at these addresses: the songs play into nothing.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run" PULSE_SERVER="unix:$work/none" \
  PIPEWIRE_REMOTE="$work/none" "$work/vantor" >"$work/out" 2>"$work/err" &
pid=$!

# The program's resident memory (kB), open descriptors and threads, each the
# most seen while ten songs start (which song is open changes them a little).
sample() {   # sample LABEL FIRST_SONG NAME
  local rss=0 fds=0 threads=0 r f t
  for ((n = $2; n < $2 + 10; n++)); do
    wait_for "$n"
    r=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    t=$(awk '/^Threads/ {print $2}' "/proc/$pid/status")
    f=$(find "/proc/$pid/fd" -mindepth 1 -maxdepth 1 | wc -l)
    (( r > rss )) && rss=$r; (( f > fds )) && fds=$f; (( t > threads )) && threads=$t
  done
  printf '%-34s rss %7d kB  fds %4d  threads %3d\n' "$1" "$rss" "$fds" "$threads"
  echo "$rss $fds $threads" >"$work/sample-$3"
}

wait_for() {   # wait_for N: until N songs have started
  while (( $(grep -c '^song ' "$work/out" || true) < $1 )); do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early"; cat "$work/err"; exit 1; }
    sleep 0.05
  done
}
started=$(date +%s)
sample "songs 100 to 109" 100 first
sample "songs $((transitions - 9)) to $transitions" $((transitions - 9)) last
seconds=$(( $(date +%s) - started ))
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=0

read -r rss1 fds1 threads1 <"$work/sample-first"
read -r rss2 fds2 threads2 <"$work/sample-last"
echo "$transitions song changes in $seconds s; exit status $status"
echo "resident memory grew by $(( (rss2 - rss1) / 1024 )) MB ($(( rss2 - rss1 )) kB) from song 100 to the end;" \
     "descriptors $fds1 -> $fds2, threads $threads1 -> $threads2"
findings=$(grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error' "$work/err" || true)
echo "sanitizer findings: $findings"
(( findings == 0 )) || { grep -E -A20 'ERROR|runtime error' "$work/err" | head -60; }
# The memory goal (under 2 MB of growth) is judged on a plain build: the
# sanitizer's allocator keeps bookkeeping of its own (the stack of every
# allocation, per-thread caches) that grows with the run.
memory_ok=1
if ldd "$work/vantor" | grep -q libasan; then
  echo "(sanitized build: the memory figure includes the sanitizer's own bookkeeping and is not judged)"
else
  (( rss2 - rss1 < 2048 )) || memory_ok=0
fi
(( status == 0 && findings == 0 && memory_ok && fds2 <= fds1 && threads2 <= threads1 ))
