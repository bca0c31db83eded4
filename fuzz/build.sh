#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into fuzz-build/ and, with "run", runs each for
# the given number of seconds (default 60): fuzz/build.sh run 60
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/deps.sh
cmake -S . -B fuzz-build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DOXEL_FUZZ=ON -DOXEL_TESTS=OFF -DOXEL_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
cmake --build fuzz-build --target $(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
if [ "${1:-}" = "run" ]; then
  seconds="${2:-60}"
  for src in fuzz/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    corpus="fuzz-build/corpus/$name"
    mkdir -p "$corpus"
    [ -d "fuzz/seeds/$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "== $name ($seconds s)"
    QT_QPA_PLATFORM=offscreen "fuzz-build/fuzz/$name" -max_total_time="$seconds" "$corpus" 2>&1 | tail -n 3
  done
fi
