#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing when all are there.
# Usage: scripts/setup.sh native|windows|all
set -euo pipefail

native_packages=(make cmake g++ googletest clang libclang-rt-14-dev)
windows_packages=(g++-mingw-w64-x86-64-posix wine64 xvfb xauth xdotool fonts-wqy-microhei
                  x11-apps imagemagick fonts-wine)

case "${1:-all}" in
  native) wanted=("${native_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") ;;
  all) wanted=("${native_packages[@]}" "${windows_packages[@]}") ;;
  *) echo "usage: $0 native|windows|all" >&2; exit 2 ;;
esac

# Wine takes its code page from the Linux locale: without zh_CN.UTF-8 the program would see
# code page 1252 instead of 936.
need_zh_locale() {
  [ "${1:-all}" != native ] && ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'
}

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if need_zh_locale "${1:-all}" && ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q 'install ok installed'; then
  missing+=(locales)
fi
make_zh_locale() {
  need_zh_locale "${1:-all}" || return 0
  echo "setup: generating the zh_CN.UTF-8 locale"
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -eq 0 ]; then
  make_zh_locale "${1:-all}"
  exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
make_zh_locale "${1:-all}"
