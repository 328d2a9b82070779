#!/usr/bin/env bash
# Runs the Windows build's tests (core tests and program tests) under Wine, on a display of their
# own, in the build folder's private prefix.
# Usage: scripts/test-windows.sh BUILD_DIR
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
prefix="$build/wineprefix"
"$here/wine-prefix.sh" "$prefix"
# Ends this prefix's Wine processes only: never anything by name.
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
cd "$build"
"$here/with-own-display.sh" ctest --output-on-failure -j 2 --timeout 300
