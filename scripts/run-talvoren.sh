#!/usr/bin/env bash
# Starts Talvoren.exe under Wine from its run folder BUILD_DIR/run (its run directory: config.ini
# lives there). With DISPLAY set it opens there and runs until closed. Without a display it runs
# on a display of its own, inside Wine's virtual desktop so that frame and caption show, saves a
# screenshot in the run folder once the main window is drawn, prints its path and ends the program.
# Usage: scripts/run-talvoren.sh BUILD_DIR
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
prefix="$build/wineprefix"
run="$build/run"
mkdir -p "$run"
cp "$build/bin/Talvoren.exe" "$run/"
"$here/wine-prefix.sh" "$prefix"
cd "$run"

if [ "${2:-}" != --screenshot ] && [ -n "${DISPLAY:-}" ]; then
  exec "$here/wine-run.sh" "$prefix" Talvoren.exe
fi
if [ "${2:-}" != --screenshot ]; then
  exec "$here/with-own-display.sh" "$here/$(basename "$0")" "$build" --screenshot
fi

shot="$run/screenshot.png"
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
"$here/wine-run.sh" "$prefix" explorer /desktop=talvoren,1280x800 Talvoren.exe &

# The main window is up when the desktop is drawn (its corner is no longer black), the screen's
# centre (inside the subtitle table) differs from the desktop, and two screenshots in a row agree.
grab() { xwd -root -silent | convert xwd:- "png:$1"; }
pixel() { convert "$1" -format "%[pixel:p{$2}]" info:; }
previous=""
for _ in $(seq 120); do
  sleep 0.25
  grab "$run/.shot.png" 2>/dev/null || continue
  desktop="$(pixel "$run/.shot.png" 5,5)"
  colour="$(pixel "$run/.shot.png" 640,400)"
  current="$(md5sum <"$run/.shot.png")"
  if [ "$desktop" != "srgb(0,0,0)" ] && [ "$colour" != "$desktop" ] && [ "$current" = "$previous" ]; then
    mv "$run/.shot.png" "$shot"
    echo "screenshot: $shot"
    exit 0
  fi
  previous="$current"
done
echo "the main window did not appear within 30 s" >&2
exit 1
