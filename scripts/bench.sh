#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them all, start-up included.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh bench
export QT_QPA_PLATFORM=offscreen
for program in build-bench/bench/*_bench; do
  [[ -f "$program" && -x "$program" ]] || continue
  [[ $(basename "$program") == startup_bench ]] && continue
  echo "== $(basename "$program")"
  "$program" --benchmark_min_time=0.2
done
echo "== startup_bench"
build-bench/bench/startup_bench build-bench/bench/startup_minimal build-bench/bench/startup_kalkulo 21
