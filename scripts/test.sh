#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UBSan, runs them all, then
# runs every fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DORBIVANE_TESTS=ON \
  -DORBIVANE_SANITIZE=ON -DORBIVANE_WERROR=ON
cmake --build build/test -j "$(nproc)"
(cd build/test && ctest --output-on-failure -j "$(nproc)")
bash scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
