#!/usr/bin/env bash
# Builds the program and starts it. On the first run (no settings file yet)
# it seeds an object list naming the bundled element sets, unless one is
# already there; an existing settings file or object list is never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" >/dev/null
bin="$PWD/build/release/bin"

settings="${XDG_DATA_HOME:-$HOME/.local/share}/Harrowind/Orbivane/Orbivane.ini"
docs=""
dirs="${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs"
if [ -f "$dirs" ]; then
  docs=$(sed -n 's/^XDG_DOCUMENTS_DIR="\(.*\)"$/\1/p' "$dirs" | tail -1)
  docs="${docs/\$HOME/$HOME}"
fi
docs="${docs:-$HOME/Documents}"
if [ ! -e "$settings" ] && [ ! -e "$docs/datamgr.txt" ]; then
  mkdir -p "$docs"
  { echo ">$bin/"; cat "$bin/datamgr.txt"; } > "$docs/datamgr.txt"
  echo "Seeded the object list $docs/datamgr.txt"
fi
exec "$bin/orbivane"
