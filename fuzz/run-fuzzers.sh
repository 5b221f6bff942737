#!/usr/bin/env bash
# Runs every fuzz target of a `fuzz` preset build on its seeds for a while.
#   fuzz/run-fuzzers.sh [SECONDS_EACH] [BUILD_DIR]
# A crash, leak, hang or out-of-memory stops with status 1 and leaves the input
# in the printed folder; keep it under fuzz/regressions/<target>/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="${2:-build/fuzz}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

declare -A seeds=(
  [model]="fuzz/corpus/model tests/xml/data tests/ZALMPWorld/data"
  [xml_tree]="fuzz/corpus/model tests/xml/data tests/ZALMPWorld/data"
  [urdf]="fuzz/corpus/urdf"
)

for target in model xml_tree urdf; do
  program="$build/fuzz/zalmp_fuzz_$target"
  [ -x "$program" ] || { echo "missing $program: build the fuzz preset first" >&2; exit 1; }
  corpus="$work/$target"
  mkdir -p "$corpus" "$work/$target-findings"
  inputs=(${seeds[$target]})
  [ -d "fuzz/regressions/$target" ] && inputs+=("fuzz/regressions/$target")
  echo "== $target: ${seconds}s"
  # New inputs go to the first folder (a scratch copy); the seeds stay as committed.
  if ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
      -print_final_stats=1 -artifact_prefix="$work/$target-findings/" \
      "$corpus" "${inputs[@]}" 2>"$work/$target.log"; then
    tail -40 "$work/$target.log" >&2
    kept="fuzz-findings-$target"
    mkdir -p "$kept" && cp "$work/$target-findings/"* "$kept/" 2>/dev/null || true
    echo "zalmp_fuzz_$target found a problem; input kept in $kept/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$work/$target.log" || true
done
