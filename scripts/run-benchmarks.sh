#!/usr/bin/env bash
# Runs every benchmark program (*_bench) of a bench build, one after the other, from its folder.
# Usage: scripts/run-benchmarks.sh BUILD_DIR
set -euo pipefail
build=$1
shopt -s nullglob
for program in "$build"/bench/*_bench; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  (cd "$build/bench" && "./$(basename "$program")")
done
