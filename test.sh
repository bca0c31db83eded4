#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them with ctest on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOXEL_SANITIZE=ON -DOXEL_TESTS=ON
cmake --build build-test
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure "$@"
