#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing when all are there.
# Usage: scripts/setup.sh native|windows|all
set -euo pipefail

native_packages=(make cmake g++ googletest clang libclang-rt-14-dev)
windows_packages=(g++-mingw-w64-x86-64-posix wine64 xvfb xauth xdotool fonts-wqy-microhei
                  x11-apps imagemagick)

case "${1:-all}" in
  native) wanted=("${native_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") ;;
  all) wanted=("${native_packages[@]}" "${windows_packages[@]}") ;;
  *) echo "usage: $0 native|windows|all" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
