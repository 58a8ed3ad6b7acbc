#!/usr/bin/env bash
# Writes an object list naming the bundled element sets where the program
# looks for it when none is there, whether or not the program has run
# before; an existing list and the settings file are never touched.
# Usage: seed.sh BIN_DIR (the program's folder, holding the bundled list and
# orbivane-list-path, which says where the program looks)
set -euo pipefail
bin=$(cd "$1" && pwd)
[ -r "$bin/datamgr.txt" ] || { echo "No bundled object list in $bin" >&2; exit 1; }

# The program's own answer, so that no rule of it is kept here; the dot
# keeps line breaks that end the name.
list=$("$bin/orbivane-list-path" && echo .)
list=${list%.}

# A dangling link counts as a list too: writing through it would create
# a file somewhere the user did not expect.
if [ -e "$list" ] || [ -L "$list" ]; then
  exit 0
fi
mkdir -p -- "$(dirname -- "$list")"
# The > line lets the bundled names be found wherever the program starts;
# the < line ends it, so that full names added after it are read as written.
{ printf '>%s/\n' "$bin"; cat "$bin/datamgr.txt"; echo '<'; } > "$list"
echo "Seeded the object list $list"
