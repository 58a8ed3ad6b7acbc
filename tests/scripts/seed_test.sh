#!/usr/bin/env bash
# Runs the object-list seeding in a scratch home per case: a missing list is
# seeded whether or not a settings file exists; an existing list is kept.
# Usage: seed_test.sh SEED_SCRIPT BUNDLED_LIST
set -euo pipefail
seed=$1
bundled=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
unset XDG_CONFIG_HOME XDG_DATA_HOME
failures=0

fail() { echo "FAIL: $name: $*" >&2; failures=$((failures + 1)); }

# A fresh home and a program folder holding the bundled list.
begin() {
  name=$1
  export HOME="$root/$name"
  bin="$root/$name-bin"
  mkdir -p "$HOME" "$bin"
  cp "$bundled" "$bin/datamgr.txt"
}

run_seed() { out=$(bash "$seed" "$bin") || fail "seed script failed"; }

expect_seeded() {
  local list=$1
  cmp -s "$list" <(echo ">$bin/"; cat "$bundled") || fail "$list is not the > line and the bundled list"
  [ "$out" = "Seeded the object list $list" ] || fail "said '$out'"
}

begin a_missing_list_is_seeded
run_seed
expect_seeded "$HOME/Documents/datamgr.txt"

begin an_existing_list_is_left_as_it_is
mkdir -p "$HOME/Documents"
printf 'mine.txt\r\n' > "$HOME/Documents/datamgr.txt"
cp "$HOME/Documents/datamgr.txt" "$root/list.before"
run_seed
cmp -s "$HOME/Documents/datamgr.txt" "$root/list.before" || fail "the list was changed"
[ -z "$out" ] || fail "said '$out'"

begin a_settings_file_does_not_stop_the_seeding
ini="$HOME/.local/share/Harrowind/Orbivane/Orbivane.ini"
mkdir -p "$(dirname "$ini")"
printf '[User]\r\nDataPath=\r\n' > "$ini"
cp "$ini" "$root/ini.before"
run_seed
expect_seeded "$HOME/Documents/datamgr.txt"
cmp -s "$ini" "$root/ini.before" || fail "the settings file was changed"

begin the_documents_folder_comes_from_user_dirs
mkdir -p "$HOME/.config"
# The file holds $HOME as written; the seed script expands it.
# shellcheck disable=SC2016
echo 'XDG_DOCUMENTS_DIR="$HOME/Docs"' > "$HOME/.config/user-dirs.dirs"
run_seed
expect_seeded "$HOME/Docs/datamgr.txt"
[ ! -e "$HOME/Documents" ] || fail "wrote into ~/Documents too"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "seed script: all cases passed"
