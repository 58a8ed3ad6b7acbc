#!/usr/bin/env bash
# Installs the Debian packages the build needs, and with "test" also those
# the tests, benchmarks and fuzz targets need; apt-get update runs only
# when something is missing.
set -euo pipefail
# The program links libX11 itself, so its headers are named here rather
# than left to come with SDL's.
build=(build-essential cmake pkg-config libsdl2-dev libx11-dev)
# The end-to-end tests run the program under Xvfb with two window managers
# and under weston (Wayland) drawing into Xvfb, drive it with xdotool and
# setxkbmap, and fake the clock. SDL's message box needs the X core fonts,
# which come with Xvfb only as a Recommends.
tests=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xfonts-base openbox fluxbox weston xdotool x11-apps x11-utils x11-xkb-utils faketime libfaketime)
case "${1:-}" in
  "") packages=("${build[@]}") ;;
  test) packages=("${build[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 [test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
