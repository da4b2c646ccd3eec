#!/usr/bin/env bash
# The test command: installs what is missing, builds the project twice (plain and
# with AddressSanitizer + UBSan) and runs the whole suite in both builds.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh || exit 1

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

passed=0; failed=0; skipped=0; status=0
run_suite() {   # run_suite NAME DIR [cmake options...]
  local name=$1 dir=$2; shift 2
  echo "== $name build"
  if ! scripts/build.sh "$dir" "$@"; then
    echo "== $name build failed"; status=1; failed=$((failed + 1)); return
  fi
  echo "== $name tests"
  local log; log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure -j "$(nproc)" --timeout 300) 2>&1 | tee "$log"
  [[ ${PIPESTATUS[0]} -eq 0 ]] || status=1
  local line; line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  local skips; skips=$(grep -c -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*Skipped' "$log")
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1])); skipped=$((skipped + skips))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1] - skips))
  else
    status=1; failed=$((failed + 1))
  fi
  rm -f "$log"
}

run_suite plain build
run_suite sanitized build-asan -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF

# The readers of outside input under libFuzzer, briefly: each target is one test.
echo "== fuzz"
fuzzlog=$(mktemp)
scripts/fuzz.sh 20 2>&1 | tee "$fuzzlog"
[[ ${PIPESTATUS[0]} -eq 0 ]] || status=1
fuzz_passed=$(grep -c -E '^fuzz_[a-z]+ +executions .* passed$' "$fuzzlog")
fuzz_failed=$(grep -c -E '^fuzz_[a-z]+ +executions .* FAILED$' "$fuzzlog")
((fuzz_passed + fuzz_failed > 0)) || fuzz_failed=1   # the targets did not build
passed=$((passed + fuzz_passed)); failed=$((failed + fuzz_failed))
rm -f "$fuzzlog"
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit $status
