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
# Says in one line why there is no list; the program starts all the same.
cannot() {
  echo "Could not seed the object list $list: $1" >&2
  exit 1
}

# mkdir -p never makes a folder where a link leads nowhere (a disk not
# mounted, say); that link is the reason worth naming.
dir=$(dirname -- "$list")
if ! err=$(mkdir -p -- "$dir" 2>&1); then
  d=$dir
  while [ ! -e "$d" ] && [ ! -L "$d" ]; do d=$(dirname -- "$d"); done
  if [ -L "$d" ] && [ ! -e "$d" ]; then
    cannot "$d is a link to $(readlink -- "$d"), which is not there"
  fi
  cannot "${err##*: }"
fi
# Written beside its place and renamed there only when whole: a cut or
# empty list would be taken as the user's and never seeded again.
if ! tmp=$(mktemp -- "$dir/.orbivane-seed.XXXXXX" 2>&1); then
  cannot "${tmp##*: }"
fi
trap 'rm -f -- "$tmp"' EXIT
# mktemp makes it private; a list is as readable as any file made here.
chmod -- "$(printf '%o' $((0666 & ~0$(umask))))" "$tmp" 2>/dev/null || true
# The > line lets the bundled names be found wherever the program starts;
# the < line ends it, so that full names added after it are read as written.
if ! err=$({ printf '>%s/\n' "$bin"; cat "$bin/datamgr.txt"; echo '<'; } 2>&1 > "$tmp"); then
  cannot "${err##*: }"
fi
# -n: a list that appeared meanwhile is the user's and stays (some mv
# versions call that skip a failure).
if ! err=$(mv -n -T -- "$tmp" "$list" 2>&1) && [ ! -e "$list" ] && [ ! -L "$list" ]; then
  cannot "${err##*: }"
fi
[ -e "$tmp" ] && exit 0
echo "Seeded the object list $list"
