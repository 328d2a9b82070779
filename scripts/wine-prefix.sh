#!/usr/bin/env bash
# Makes the private Wine prefix once (about 8 seconds); an existing prefix is reused.
# Usage: scripts/wine-prefix.sh PREFIX
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
prefix="$1"
fonts="$prefix/drive_c/windows/Fonts"
# This Wine build does not load its own fonts from /usr/share/wine/fonts; without Marlett the
# caption buttons show letters. Fonts in the prefix's Fonts folder are loaded.
add_wine_fonts() {
  [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ] &&
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  return 0
}
if [ -f "$prefix/system.reg" ]; then
  add_wine_fonts
  exit 0
fi
mkdir -p "$prefix"
echo "wine: making the prefix $prefix"
"$(dirname "$0")/wine-run.sh" "$prefix" wineboot -i
# The registry files are complete only once this prefix's server has gone.
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
add_wine_fonts
