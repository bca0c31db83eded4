#!/usr/bin/env bash
# Refreshes docs/screenshots/*.png from the real program, in a Release build under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/deps.sh
command -v xvfb-run >/dev/null || { apt-get update && apt-get install -y xvfb xauth; }
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXEL_TESTS=OFF
cmake --build build --target oxel_screenshots
LANG=ru_RU.UTF-8 xvfb-run -a -s "-screen 0 1280x800x24" \
  ./build/oxel_screenshots "$PWD/programfiles" "$PWD/docs/screenshots"
ls -l docs/screenshots
