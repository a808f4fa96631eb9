#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs them; arguments go to each
# benchmark program (for instance --benchmark_filter=Load).
source "$(dirname "$0")/../scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
build_tree "$ROOT/build/bench" Release -DTESSIVAR_BUILD_TESTS=OFF -DTESSIVAR_BUILD_BENCH=ON

for program in "$ROOT"/build/bench/bench/bench_*; do
    [ -x "$program" ] && "$program" "$@"
done
