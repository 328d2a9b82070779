#!/usr/bin/env bash
# Runs a command on a display of its own: a new Xvfb on a free display number, stopped afterwards.
# Usage: scripts/with-own-display.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
work="$(mktemp -d)"
# Xvfb picks the first free display and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$work/log" >&2; echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb gave no display within 10 s" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
status=0
"$@" || status=$?
exit "$status"
