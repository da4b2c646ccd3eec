# program.sh: sourced by the bench scripts that run the program itself.
#   start_display              a private virtual display (Xvfb); sets DISPLAY
#   make_program DIR BUILD SOUNDFONT LOOP SONG...
#                              a private copy of the program in DIR (links), with
#                              an album of the SONGs (copied beside it) that plays
#                              at start, in a loop when LOOP is 1, on SOUNDFONT
#   start_program DIR          starts it with its own runtime directory (the
#                              sound server, if any, stays reachable); sets
#                              program_pid; its output goes to DIR/out
#   stop_program               ends it as its close box would
#   stop_display
#   need_tools TOOL...         ends the bench when a command is not installed
#   bench_soundfont            prints the General MIDI SoundFont the benches
#                              play with (the small TimGM6mb first)
# Callers stop what they started in their EXIT trap: stop_program; stop_display.

program_pid=0
xvfb_pid=0

start_display() {
  local n=140
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
  export DISPLAY=":$n" QT_QPA_PLATFORM=xcb
}

stop_display() {
  (( xvfb_pid > 0 )) && kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=0
}

make_program() {
  local dir=$1 build=$2 soundfont=$3 loop=$4; shift 4
  mkdir -p "$dir/run"
  cp -l "$build/bin/vantor" "$dir/" 2>/dev/null || cp "$build/bin/vantor" "$dir/"
  for extra in Vantor.hlp zrvft2; do
    [[ -e $build/bin/$extra ]] && cp -al "$build/bin/$extra" "$dir/" 2>/dev/null
  done
  { echo 0; for song in "$@"; do cp "$song" "$dir/"; basename "$song"; done; } >"$dir/default.alb"
  printf '[General]\r\nVersion=5.7\r\n[Settings]\r\nContinuousLoop=%s\r\nRandomOrder=0\r\nAutoPlay=1\r\nAutoSaveAlbum=0\r\n[Synth]\r\nSoundFont=%s\r\n' \
    "$loop" "$soundfont" >"$dir/Vantor.ini"
}

start_program() {
  local dir=$1 pulse=""
  [[ -n ${XDG_RUNTIME_DIR:-} && -S $XDG_RUNTIME_DIR/pulse/native ]] && pulse="unix:$XDG_RUNTIME_DIR/pulse/native"
  if [[ -n $pulse ]]; then
    XDG_RUNTIME_DIR="$dir/run" PULSE_SERVER="$pulse" "$dir/vantor" >"$dir/out" 2>"$dir/err" &
  else
    # No sound server answers there: the program plays into nothing.
    XDG_RUNTIME_DIR="$dir/run" PULSE_SERVER="unix:$dir/none" PIPEWIRE_REMOTE="$dir/none" \
      "$dir/vantor" >"$dir/out" 2>"$dir/err" &
  fi
  program_pid=$!
}

stop_program() {
  if (( program_pid > 0 )); then
    kill -TERM "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
  fi
  program_pid=0
}

# wait_for_song DIR N: until N songs have started (the program prints a line each).
wait_for_song() {
  while (( $(grep -c '^song ' "$1/out" 2>/dev/null || true) < $2 )); do
    kill -0 "$program_pid" 2>/dev/null || { echo "the program ended early"; cat "$1/err"; return 1; }
    sleep 0.02
  done
}

bench_soundfont() {
  local sf
  for sf in /usr/share/sounds/sf2/TimGM6mb.sf2 /usr/share/sounds/sf2/FluidR3_GM.sf2 /usr/share/sounds/sf2/default-GM.sf2; do
    [[ -f $sf ]] && { echo "$sf"; return 0; }
  done
  echo "no General MIDI SoundFont installed" >&2
  return 1
}

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
  done
}
