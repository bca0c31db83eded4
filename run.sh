#!/usr/bin/env bash
# Installs what is missing, builds Oxelium in Release and starts it from the build folder.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXEL_TESTS=OFF
cmake --build build --target oxelium
exec ./build/oxelium "$@"
