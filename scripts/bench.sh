#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DORBIVANE_BENCH=ON
cmake --build build/release -j "$(nproc)"
for b in orbit_bench catalogue_bench pipeline_bench view_bench console_bench startup_bench; do
  "build/release/bench/$b" "$@"
done
