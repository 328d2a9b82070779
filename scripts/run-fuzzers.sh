#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a fixed time each, seeded from its corpus list.
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work="$build/fuzz-work/$name"
  mkdir -p "$work/corpus" "$work/artifacts"
  seeds=()
  # A target's seed folders are listed one a line in fuzz/NAME.seeds, absolute or relative to the
  # project root (so ../shared/corpus/... reaches the shared corpus); missing folders are skipped.
  if [ -f "$root/fuzz/$name.seeds" ]; then
    while IFS= read -r dir || [ -n "$dir" ]; do
      [ -n "$dir" ] && [ "${dir#\#}" = "$dir" ] || continue
      [ "${dir#/}" != "$dir" ] || dir="$root/$dir"
      if [ -d "$dir" ]; then seeds+=("$dir"); else echo "fuzz: $name: no seed folder $dir, skipped"; fi
    done < "$root/fuzz/$name.seeds"
  fi
  echo "fuzz: $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" "${seeds[@]}" 2>"$work/log" ||
    { tail -n 60 "$work/log"; echo "fuzz: $name FAILED"; exit 1; }
  grep -aE '^(stat::number_of_executed_units|Done)' "$work/log" || true
done
