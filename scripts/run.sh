#!/usr/bin/env bash
# Builds the program and starts it, first seeding an object list naming
# the bundled element sets where the program looks for one, if none is there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" >/dev/null
bin="$PWD/build/release/bin"
bash scripts/seed.sh "$bin"
exec "$bin/orbivane"
