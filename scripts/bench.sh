#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the test suite).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target bench_archive bench_search bench_export bench_booking bench_police_search bench_startup bench_reports
build/bench/bench_archive "$@"
build/bench/bench_search "$@"
build/bench/bench_export "$@"
build/bench/bench_booking "$@"
build/bench/bench_police_search
build/bench/bench_startup
build/bench/bench_reports "$@"
