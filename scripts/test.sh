#!/usr/bin/env bash
# Sets up and runs every test: the formatting check, the suite, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short bounded run of each fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

passed=0
failed=0
# Runs one ctest folder and adds what ctest itself counted (its JUnit report) to the totals.
run_suite() {
  local report="$root/$1/ctest-report.xml" status=0
  ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" --output-junit "$report" || status=$?
  local tests failures
  tests=$(grep -m1 -o 'tests="[0-9]*"' "$report" | grep -o '[0-9]*')
  failures=$(grep -m1 -o 'failures="[0-9]*"' "$report" | grep -o '[0-9]*')
  passed=$((passed + tests - failures))
  failed=$((failed + failures))
  if ((status != 0 || tests == 0)); then
    echo "Tests: $passed passed, $failed failed"
    exit 1
  fi
}

echo "== Formatierung =="
bash scripts/format.sh --check

echo "== Tests =="
bash scripts/build.sh dev
run_suite build-test

echo "== Tests unter AddressSanitizer + UndefinedBehaviorSanitizer =="
bash scripts/build.sh asan
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
run_suite build-asan

echo "== Fuzzing =="
bash scripts/build.sh fuzz
shopt -s nullglob
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [[ -f "$fuzzer" && -x "$fuzzer" ]] || continue
  name=$(basename "$fuzzer")
  subject=${name#fuzz_}
  corpus="fuzz/corpus/${subject%%_*}"
  mkdir -p "build-fuzz/corpus-$name"
  echo "-- $name"
  log="build-fuzz/$name.log"
  # A fixed seed makes a run repeatable; KALKULO_FUZZ_SEED=0 lets libFuzzer pick one. Findings
  # land in build-fuzz/ and the whole report is shown.
  if ! "$fuzzer" -seed="${KALKULO_FUZZ_SEED:-1}" -max_total_time="${KALKULO_FUZZ_SECONDS:-30}" -max_len=512 \
      -timeout=5 -artifact_prefix=build-fuzz/ "build-fuzz/corpus-$name" \
      $( [[ -d "$corpus" ]] && echo "$corpus" ) > "$log" 2>&1; then
    grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse|RELOAD)' "$log" | tail -n 60
    echo "$name fand einen Fehler (siehe $log)"
    failed=$((failed + 1))
    echo "Tests: $passed passed, $failed failed"
    exit 1
  fi
  tail -n 3 "$log"
  passed=$((passed + 1))
done
echo "Tests: $passed passed, $failed failed"
