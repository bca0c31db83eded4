#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into fuzz-build/.
#   fuzz/build.sh                 build only
#   fuzz/build.sh run [SECONDS]   build, then run each target in turn (default 60 s each)
#   fuzz/build.sh merge           add what the runs found to fuzz/seeds/, minimised
# Runs are one at a time, niced, with memory options that keep long runs flat (README.md).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/deps.sh
cmake -S . -B fuzz-build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DOXEL_FUZZ=ON -DOXEL_TESTS=OFF -DOXEL_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
cmake --build fuzz-build -j2 --target $targets
# Allocation and free stacks off: ASan keeps every distinct stack it records for ever, and
# stacks unwound through libraries built without frame pointers are nearly all distinct.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:quarantine_size_mb=64}"
export QT_QPA_PLATFORM=offscreen
case "${1:-}" in
run)
  seconds="${2:-60}"
  for name in $targets; do
    corpus="fuzz-build/corpus/$name"
    mkdir -p "$corpus" fuzz-build/artifacts
    cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "== $name ($seconds s)"
    nice -n 19 "fuzz-build/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=1024 \
      -malloc_limit_mb=512 -timeout=25 -print_final_stats=1 \
      -artifact_prefix="fuzz-build/artifacts/$name-" "$corpus" 2>&1 | tail -n 8
  done
  ;;
merge)
  for name in $targets; do
    [ -d "fuzz-build/corpus/$name" ] || continue
    echo "== $name"
    "fuzz-build/fuzz/$name" -merge=1 -use_counters=0 -rss_limit_mb=1024 "fuzz/seeds/$name" \
      "fuzz-build/corpus/$name" 2>&1 | grep -E "MERGE-OUTER: [0-9]+ new files" || true
  done
  ;;
esac
