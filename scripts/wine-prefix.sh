#!/usr/bin/env bash
# Makes the private Wine prefix once (about 8 seconds); an existing prefix is reused.
# Usage: scripts/wine-prefix.sh PREFIX
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
prefix="$1"
here="$(cd "$(dirname "$0")" && pwd)"
ready="$prefix/.talvoren-ready"
[ -f "$ready" ] && exit 0

if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  echo "wine: making the prefix $prefix"
  "$here/wine-run.sh" "$prefix" wineboot -i
fi
# Without a window manager (bare Xvfb) Wine waits two seconds for one at every hide or destroy of
# a managed window; unmanaged windows skip that wait.
"$here/wine-run.sh" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
# This Wine build does not load its own fonts from /usr/share/wine/fonts; without Marlett the
# caption buttons show letters. Fonts in the prefix's Fonts folder are loaded.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
fi
# The registry files are complete only once this prefix's server has gone.
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
touch "$ready"
