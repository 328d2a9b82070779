#!/usr/bin/env bash
# Runs one Windows program under Wine in the given prefix, unattended.
# Usage: scripts/wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 PREFIX PROGRAM [ARGS...]" >&2; exit 2; }
export WINEPREFIX="$1"
shift
# Chinese locale: the program sees code page 936 and Chinese texts render with WenQuanYi.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
# No Mono or Gecko installer may ask anything during an unattended run.
export WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
