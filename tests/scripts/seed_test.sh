#!/usr/bin/env bash
# Runs the object-list seeding in a scratch home per case: a missing list is
# seeded where the settings file makes the program look, whether or not that
# file exists; an existing list is kept.
# Usage: seed_test.sh SEED_SCRIPT BUNDLED_LIST LIST_PATH_HELPER
set -euo pipefail
# Absolute, since some cases run from inside their home.
seed=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
bundled=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
helper=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cd "$root"
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
  cp "$helper" "$bin/"
}

run_seed() { out=$(bash "$seed" "${1:-$bin}") || fail "seed script failed"; }

# The settings file the program would read in this home, one line an argument.
settings() {
  ini="$HOME/.local/share/Harrowind/Orbivane/Orbivane.ini"
  mkdir -p "$(dirname "$ini")"
  printf '%s\n' "$@" > "$ini"
}

expect_seeded() {
  local list=$1
  cmp -s "$list" <(echo ">$bin/"; cat "$bundled"; echo "<") || fail "$list is not the bundled list between > and <"
  [ "$out" = "Seeded the object list $list" ] || fail "said '$out'"
}

begin a_missing_list_is_seeded
mkdir "$HOME/Documents"
run_seed
expect_seeded "$HOME/Documents/datamgr.txt"

# As the program does, which then saves the home as its data folder.
begin without_a_documents_folder_the_list_goes_in_the_home
run_seed
expect_seeded "$HOME/datamgr.txt"
[ ! -e "$HOME/Documents" ] || fail "made ~/Documents"

begin an_existing_list_is_left_as_it_is
mkdir -p "$HOME/Documents"
printf 'mine.txt\r\n' > "$HOME/Documents/datamgr.txt"
cp "$HOME/Documents/datamgr.txt" "$root/list.before"
run_seed
cmp -s "$HOME/Documents/datamgr.txt" "$root/list.before" || fail "the list was changed"
[ -z "$out" ] || fail "said '$out'"

begin a_settings_file_does_not_stop_the_seeding
mkdir "$HOME/Documents"
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
# Only a folder that is there is taken; without it the home folder is.
mkdir "$HOME/Docs"
run_seed
expect_seeded "$HOME/Docs/datamgr.txt"
[ ! -e "$HOME/Documents" ] || fail "wrote into ~/Documents too"

# The program saves its home as the data folder when there is no Documents.
begin the_list_goes_where_the_settings_put_the_data_folder
settings '[App]' "Base=$bin/" "Pref=$HOME/.local/share/Harrowind/Orbivane/" \
  '[Object]' 'Data=datamgr.txt' 'Size=3' '[User]' "AppPath=$bin/" "DataPath=$HOME/" \
  '[Window]' 'Rect=0 0 800 600'
run_seed
expect_seeded "$HOME/datamgr.txt"
[ ! -e "$HOME/Documents" ] || fail "made ~/Documents"

begin a_bare_list_name_is_joined_to_the_data_folder
settings '[User]' " DataPath = $HOME/data "$'\r' '[Object]' 'Data = sats.txt '$'\r'
run_seed
expect_seeded "$HOME/data/sats.txt"

begin a_list_name_with_a_folder_is_used_as_it_is
settings '[User]' "DataPath=$HOME/data" '[Object]' 'Data=lists/sats.txt'
cd "$HOME"
run_seed
expect_seeded lists/sats.txt
[ ! -e "$HOME/data" ] || fail "wrote into the data folder"
cd "$root"

begin a_bad_line_ends_the_settings_before_the_data_folder
mkdir "$HOME/Documents"
settings '[App]' 'Base=x' 'no equals sign here' '[User]' "DataPath=$HOME/"
run_seed
expect_seeded "$HOME/Documents/datamgr.txt"

begin a_dangling_link_counts_as_a_list
mkdir -p "$HOME/Documents"
ln -s "$HOME/gone.txt" "$HOME/Documents/datamgr.txt"
run_seed
[ "$(readlink "$HOME/Documents/datamgr.txt")" = "$HOME/gone.txt" ] || fail "the link was changed"
[ ! -e "$HOME/gone.txt" ] || fail "wrote through the link"
[ -z "$out" ] || fail "said '$out'"

# A data folder on a disk that is not mounted: nothing is made where the
# link leads, and one line says why.
begin a_data_folder_that_leads_nowhere_is_named_and_left_alone
ln -s "$root/unmounted/data" "$HOME/data"
settings '[User]' "DataPath=$HOME/data/"
bash "$seed" "$bin" >/dev/null 2>"$root/err" && fail "the seed script succeeded"
[ "$(cat "$root/err")" = "Could not seed the object list $HOME/data/datamgr.txt: $HOME/data is a link to $root/unmounted/data, which is not there" ] ||
  fail "said '$(cat "$root/err")'"
[ ! -e "$root/unmounted" ] || fail "made a folder where the link leads"

# A disk too full for the whole list, as a file-size limit: nothing is left
# that a later run would take for a list, and that run seeds it whole.
begin a_list_that_cannot_be_written_whole_is_not_left_behind
mkdir "$HOME/Documents"
# The limit holds for every file, so what is said comes through a pipe.
err=$( (trap '' XFSZ; ulimit -f 0; bash "$seed" "$bin") 2>&1 >/dev/null) && fail "the seed script succeeded"
[ "$err" = "Could not seed the object list $HOME/Documents/datamgr.txt: File too large" ] || fail "said '$err'"
[ -z "$(ls -A "$HOME/Documents")" ] || fail "left $(ls -A "$HOME/Documents")"
run_seed
expect_seeded "$HOME/Documents/datamgr.txt"
[ "$(ls -A "$HOME/Documents")" = datamgr.txt ] || fail "left $(ls -A "$HOME/Documents")"
[ "$(stat -c %a "$HOME/Documents/datamgr.txt")" = "$(printf '%o' $((0666 & ~0$(umask))))" ] ||
  fail "the list's mode is $(stat -c %a "$HOME/Documents/datamgr.txt")"

# run.sh passes an absolute folder, but the > line must not depend on that.
begin a_relative_program_folder_is_written_absolute
mkdir "$HOME/Documents"
cd "$HOME"
run_seed "../$name-bin"
cd "$root"
expect_seeded "$HOME/Documents/datamgr.txt"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "seed script: all cases passed"
