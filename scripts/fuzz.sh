#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given
# number of seconds (default 30) on a scratch copy of its seed corpus; the
# targets' own scratch files go to the same folder, removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
seconds="${1:-30}"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORBIVANE_FUZZ=ON -DORBIVANE_WERROR=ON
cmake --build build/fuzz -j "$(nproc)"
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fuzz_load_objs fuzz_obj_coord fuzz_manager_file fuzz_ini_file fuzz_var_load fuzz_cmdproc; do
  # Positions freeze rather than crash: one input past 10 s fails the run,
  # while a correct one takes milliseconds. The others keep the default.
  case "$target" in
    fuzz_obj_coord) timeout=10 ;;
    *) timeout=1200 ;;
  esac
  mkdir -p "$work/$target"
  cp -r "fuzz/corpus/$target/." "$work/$target/" 2>/dev/null || true
  echo "== $target: ${seconds}s"
  (cd "$work" && TMPDIR="$work" "$OLDPWD/build/fuzz/fuzz/$target" -max_total_time="$seconds" \
    -timeout="$timeout" -rss_limit_mb=2048 -print_final_stats=1 "$work/$target")
done
