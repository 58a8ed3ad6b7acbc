#!/usr/bin/env bash
# Writes an object list naming the bundled element sets where the program
# looks for it (the data folder and list name from its settings file, else
# the Documents folder) when none is there, whether or not the program has
# run before; an existing list and the settings file are never touched.
# Usage: seed.sh BIN_DIR (the program's folder, holding the bundled list)
set -euo pipefail
bin=$(cd "$1" && pwd)
[ -r "$bin/datamgr.txt" ] || { echo "No bundled object list in $bin" >&2; exit 1; }

# A relative XDG_DATA_HOME is ignored, as the program ignores it.
data_home=${XDG_DATA_HOME:-}
[[ $data_home == /* ]] || data_home="$HOME/.local/share"
ini="$data_home/Harrowind/Orbivane/Orbivane.ini"

# One value of the settings file, read as the program reads it: the first
# malformed line ends the reading, keeping what came before it.
setting() {
  [ -r "$ini" ] || return 0
  LC_ALL=C awk -v want_sec="$1" -v want_key="$2" '
    function ltrim(s) { sub(/^[ \t\n\v\f\r]+/, "", s); return s }
    function rtrim(s) { sub(/[ \t\n\v\f\r]+$/, "", s); return s }
    {
      line = ltrim($0)
      if (line == "" || line ~ /^[;#]/) next
      if (line ~ /^\[/) {
        p = index(line, "]")
        if (p <= 2) exit
        sec = substr(line, 2, p - 2); in_sec = 1
        next
      }
      p = index(line, "=")
      if (!in_sec || p <= 1) exit
      if (sec == want_sec && rtrim(substr(line, 1, p - 1)) == want_key)
        value = rtrim(ltrim(substr(line, p + 1)))
    }
    END { print value }' "$ini"
}

list=$(setting Object Data)
list=${list:-datamgr.txt}
# A name with a folder is used as it is; a bare one goes in the data folder.
if [[ $list != */* ]]; then
  data=$(setting User DataPath)
  if [ -z "$data" ]; then
    dirs="${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs"
    if [ -f "$dirs" ]; then
      data=$(sed -n 's/^XDG_DOCUMENTS_DIR="\(.*\)"$/\1/p' "$dirs" | tail -1)
      data="${data/\$HOME/$HOME}"
    fi
    data="${data:-$HOME/Documents}"
  fi
  [[ $data == */ ]] || data+=/
  list="$data$list"
fi

# A dangling link counts as a list too: writing through it would create
# a file somewhere the user did not expect.
if [ -e "$list" ] || [ -L "$list" ]; then
  exit 0
fi
mkdir -p "$(dirname "$list")"
# The > line lets the bundled names be found wherever the program starts.
{ echo ">$bin/"; cat "$bin/datamgr.txt"; } > "$list"
echo "Seeded the object list $list"
