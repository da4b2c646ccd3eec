#!/usr/bin/env bash
# The README's run command, started twice and closed with Ctrl+C each time as a
# user does: it must leave the build's files as they were (the tests read them)
# and keep its settings and album in the user's own folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
user=$(mktemp -d)
trap 'rm -rf "$user"' EXIT
mkdir -p "$user/run"
album="$root/build/bin/default.alb"
before=$(sha256sum "$album")

for round in 1 2; do
  # A session of its own stands for the terminal: Ctrl+C reaches its whole process group.
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$user" XDG_DATA_HOME="$user/data" XDG_RUNTIME_DIR="$user/run" \
    setsid "$root/scripts/run.sh" >"$user/out$round" 2>&1 &
  run=$!
  # The run builds first: only a build with nothing left to do is quick.
  for _ in $(seq 900); do
    grep -q "Screenshot of the virtual display" "$user/out$round" && break
    sleep 0.1
  done
  if ! grep -q "Screenshot of the virtual display" "$user/out$round"; then
    kill -INT -- "-$run"; wait "$run"
    echo "round $round: the program did not come up"; cat "$user/out$round"; exit 1
  fi
  kill -INT -- "-$run"
  status=0
  wait "$run" || status=$?
  if [[ $status -ne 0 ]]; then
    echo "round $round: the run ended with $status"; cat "$user/out$round"; exit 1
  fi
done

[[ $(sha256sum "$album") == "$before" ]] || { echo "the run rewrote $album"; exit 1; }
for file in default.alb Vantor.ini; do
  [[ -f "$user/data/vantor/$file" ]] || { echo "no $file in the user's folder"; ls -la "$user/data/vantor"; exit 1; }
done
echo "the run kept its files in its own folder, twice"
