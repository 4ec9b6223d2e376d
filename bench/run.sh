#!/usr/bin/env bash
# Runs every benchmark executable of a build folder (default: build).
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=${REPS:-5} --benchmark_report_aggregates_only=true
done
