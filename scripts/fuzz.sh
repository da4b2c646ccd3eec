#!/usr/bin/env bash
# fuzz.sh [SECONDS [TARGET...]]: builds the libFuzzer targets of fuzz/ with clang in
# build-fuzz and runs each for SECONDS (default 600), one after another, over a
# copy of its corpus in tests/fuzz/corpus/<target>; new corpus entries go to a
# temporary folder, never into the committed corpus. Prints per target the
# executions, the findings (crash, leak, timeout and out-of-memory files, kept in
# build-fuzz/findings/<target>) and the fuzzer's exit status, and exits non-zero
# when any target finds something or cannot run. Naming targets (album, midi,
# ...) runs only those.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-600}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
scripts/setup.sh || exit 1

if [[ ! -f build-fuzz/build.ninja ]]; then
  cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
fi
cmake --build build-fuzz -j "$(nproc)" || { echo "fuzz: build failed"; exit 1; }

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for dir in tests/fuzz/corpus/*/; do
  target=$(basename "$dir")
  if ((${#targets[@]} > 0)) && [[ " ${targets[*]} " != *" $target "* ]]; then
    continue
  fi
  binary=build-fuzz/fuzz_$target
  findings=$root/build-fuzz/findings/$target
  rm -rf "$findings"; mkdir -p "$findings" "$work/$target"
  cp -r "$dir" "$work/$target/corpus"
  log=$work/$target/log
  if [[ -x $binary ]]; then
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$work/$target/corpus" >"$log" 2>&1
    rc=$?
  else
    echo "no fuzz target $binary" >"$log"; rc=127
  fi
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' | tail -n 1)
  [[ -n $runs ]] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#')
  found=$(find "$findings" -type f | wc -l)
  verdict=passed
  if ((rc != 0 || found > 0)); then
    verdict=FAILED; status=1
    tail -n 40 "$log"
    find "$findings" -type f -printf '  finding: %p\n'
  fi
  printf 'fuzz_%-8s executions %-10s findings %-3s exit %-4s %s\n' "$target" "${runs:-0}" "$found" "$rc" "$verdict"
done
exit $status
