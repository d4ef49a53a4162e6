#!/usr/bin/env bash
# Sets up and runs every test: the suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short bounded run of each fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

echo "== Tests =="
bash scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALKULO_BENCH=ON
ctest --test-dir build-test --output-on-failure -j2

echo "== Tests unter AddressSanitizer + UndefinedBehaviorSanitizer =="
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DKALKULO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2

echo "== Fuzzing =="
CC=clang CXX=clang++ bash scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKALKULO_FUZZ=ON -DKALKULO_TESTS=OFF -DKALKULO_GUI=OFF
shopt -s nullglob
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [[ -f "$fuzzer" && -x "$fuzzer" ]] || continue
  name=$(basename "$fuzzer")
  subject=${name#fuzz_}
  corpus="fuzz/corpus/${subject%%_*}"
  mkdir -p "build-fuzz/corpus-$name"
  echo "-- $name"
  "$fuzzer" -max_total_time="${KALKULO_FUZZ_SECONDS:-30}" -max_len=512 -timeout=5 \
    "build-fuzz/corpus-$name" $( [[ -d "$corpus" ]] && echo "$corpus" ) 2>&1 | tail -n 3
done
echo "Alle Tests bestanden."
