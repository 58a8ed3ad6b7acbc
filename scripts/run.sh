#!/usr/bin/env bash
# Builds the program and starts it, first seeding an object list naming
# the bundled element sets where the program looks for one, if none is there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# CMake's own progress shows a first build (a minute or so) is not a hang.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)"
bin="$PWD/build/release/bin"
# Without a list the map is empty but it still opens; seeding says why.
bash scripts/seed.sh "$bin" || true
exec "$bin/orbivane"
