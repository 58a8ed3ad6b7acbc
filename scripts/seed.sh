#!/usr/bin/env bash
# Writes an object list naming the bundled element sets into the Documents
# folder when none is there, whether or not the program has run before; an
# existing list and the settings file are never touched.
# Usage: seed.sh BIN_DIR (the program's folder, holding the bundled list)
set -euo pipefail
bin=$(cd "$1" && pwd)
[ -r "$bin/datamgr.txt" ] || { echo "No bundled object list in $bin" >&2; exit 1; }
docs=""
dirs="${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs"
if [ -f "$dirs" ]; then
  docs=$(sed -n 's/^XDG_DOCUMENTS_DIR="\(.*\)"$/\1/p' "$dirs" | tail -1)
  docs="${docs/\$HOME/$HOME}"
fi
docs="${docs:-$HOME/Documents}"
list="$docs/datamgr.txt"
# A dangling link counts as a list too: writing through it would create
# a file somewhere the user did not expect.
if [ -e "$list" ] || [ -L "$list" ]; then
  exit 0
fi
mkdir -p "$docs"
# The > line lets the bundled names be found wherever the program starts.
{ echo ">$bin/"; cat "$bin/datamgr.txt"; } > "$list"
echo "Seeded the object list $list"
