#!/usr/bin/env bash
# Runs the package installer and the run script against fake package tools
# and a fake build, recording what apt-get is asked to install: running the
# program needs only the build packages, testing needs the test ones too.
# Usage: deps_test.sh SCRIPTS_DIR
set -euo pipefail
scripts=$(cd "$1" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0

fail() { echo "FAIL: $name: $*" >&2; failures=$((failures + 1)); }

# Nothing is installed; apt-get logs each package it would install.
fake="$root/fake"
mkdir -p "$fake"
fake() { { echo '#!/bin/sh'; cat; } > "$fake/$1"; chmod +x "$fake/$1"; }
fake dpkg-query <<<'exit 1'
fake apt-get <<'END'
[ "$1" = install ] || exit 0
shift
for p; do [ "$p" = -y ] || echo "$p"; done >> "$APT_LOG"
END
fake sudo <<<'exec "$@"'
# Not root, so the sudo path is the one taken everywhere.
fake id <<<'echo 1000'
# The build makes a program that only notes it was started, and a list
# helper that names a list in the home.
fake cmake <<'END'
echo "[ 50%] Building $*"
mkdir -p build/release/bin
printf '#!/bin/sh\ntouch "$RAN"\n' > build/release/bin/orbivane
printf '#!/bin/sh\nprintf "%%s" "$HOME/datamgr.txt"\n' > build/release/bin/orbivane-list-path
chmod +x build/release/bin/orbivane build/release/bin/orbivane-list-path
echo sats.txt > build/release/bin/datamgr.txt
END
export PATH="$fake:$PATH" HOME="$root/home" APT_LOG="$root/apt.log" RAN="$root/ran"
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"

build="build-essential cmake pkg-config libsdl2-dev libx11-dev"
tests="libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xfonts-base openbox fluxbox weston xdotool x11-apps
  x11-utils x11-xkb-utils faketime libfaketime"

expect_installed() {
  # shellcheck disable=SC2086  # one name a line
  diff <(printf '%s\n' $1 | sort) <(sort "$APT_LOG" 2>/dev/null) >&2 || fail "asked for other packages"
  rm -f "$APT_LOG"
}

name=deps_installs_the_build_packages
bash "$scripts/deps.sh" >/dev/null || fail "deps.sh failed"
expect_installed "$build"

name=deps_test_installs_the_test_packages_too
bash "$scripts/deps.sh" test >/dev/null || fail "deps.sh failed"
expect_installed "$build $tests"

name=run_installs_only_the_build_packages
mkdir "$root/project"
cp -r "$scripts" "$root/project/"
out=$(bash "$root/project/scripts/run.sh") || fail "run.sh failed"
expect_installed "$build"
[ -e "$RAN" ] || fail "the program was not started"
# A first build takes a while: its progress is what tells it from a hang.
grep -q '^\[ 50%\] Building --build build/release' <<<"$out" || fail "the build was silent: '$out'"

# A list that cannot be written (its folder a link to a disk not mounted)
# leaves the map empty, but the program still starts.
name=run_starts_the_program_when_no_list_can_be_written
rm -f "$RAN" "$HOME/datamgr.txt"
mv "$HOME" "$root/home.real"
ln -s "$root/unmounted" "$HOME"
bash "$root/project/scripts/run.sh" >/dev/null 2>"$root/err" || fail "run.sh failed"
[ -e "$RAN" ] || fail "the program was not started"
[ "$(wc -l < "$root/err")" -eq 1 ] || fail "said other than one line: $(cat "$root/err")"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "deps and run scripts: all cases passed"
