#!/usr/bin/env bash
# with-sound-server.sh CMD...: runs CMD beside a private sound server (PipeWire,
# WirePlumber and its PulseAudio service in a D-Bus session of their own) whose
# default sink is a null sink named "null"; record what is played with
#   parecord --device=null.monitor FILE
# CMD sees VANTOR_NULL_SINK=null. Everything started here is stopped afterwards.
set -uo pipefail
if [[ $# -eq 0 ]]; then
  echo "usage: $0 CMD..." >&2; exit 2
fi
for tool in dbus-run-session pipewire wireplumber pipewire-pulse pactl; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done
runtime=$(mktemp -d "${TMPDIR:-/tmp}/vantor-sound.XXXXXX") || exit 1
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
# Configuration and state of the server stay in the private directory too.
export XDG_STATE_HOME=$runtime/state
unset PULSE_SERVER PIPEWIRE_REMOTE

dbus-run-session -- bash -c '
  log=$XDG_RUNTIME_DIR/server.log
  pipewire >"$log" 2>&1 & pw=$!
  sleep 0.5
  wireplumber >>"$log" 2>&1 & wp=$!
  pipewire-pulse >>"$log" 2>&1 & pp=$!
  stop() { kill $pp $wp $pw 2>/dev/null; wait $pp $wp $pw 2>/dev/null; }
  ready=0
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then ready=1; break; fi
    sleep 0.1
  done
  if [[ $ready -ne 1 ]] || ! pactl load-module module-null-sink sink_name=null >/dev/null \
     || ! pactl set-default-sink null; then
    echo "with-sound-server: the sound server did not start" >&2; cat "$log" >&2; stop; exit 1
  fi
  # The session manager links new streams only once it has settled: without this
  # pause the first seconds of playback reach no sink and recordings stay silent.
  sleep 1.5
  VANTOR_NULL_SINK=null "$@"; rc=$?
  stop
  exit $rc' with-sound-server "$@"
