#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/ and runs them all on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXEL_BENCH=ON -DOXEL_TESTS=OFF
cmake --build build-bench --target $(cd bench && ls bench_*.cpp | sed 's/\.cpp$//')
for b in build-bench/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] && QT_QPA_PLATFORM=offscreen "$b" "$@"
done
