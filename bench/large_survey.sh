#!/bin/sh
# The large-survey inversion of bench_survey_memory at full size: 200 shots of
# 96 channels, 0.5 m cells, 10 external iterations, with the peak resident
# memory as the kernel counts it. Usage: bench/large_survey.sh [build dir]
# (default build/bench, a Release build: make bench). Smaller runs: set
# TERVANELO_BENCH_SHOTS, TERVANELO_BENCH_CELL or TERVANELO_BENCH_ITERATIONS.
set -eu
build=${1:-build/bench}
program="$build/bench/bench_survey_memory"
if [ ! -x "$program" ]; then
    echo "$program not found: build the benchmarks first (make bench)" >&2
    exit 1
fi
export TERVANELO_BENCH_SHOTS="${TERVANELO_BENCH_SHOTS:-200}"
export TERVANELO_BENCH_CELL="${TERVANELO_BENCH_CELL:-0.5}"
export TERVANELO_BENCH_ITERATIONS="${TERVANELO_BENCH_ITERATIONS:-10}"
exec /usr/bin/time -v "$program" --benchmark_counters_tabular=true
