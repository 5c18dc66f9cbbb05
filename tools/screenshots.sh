#!/usr/bin/env bash
# Takes the screenshots under docs/ on a virtual 640 x 480 display (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --tests
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target rvk_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 640x480x24' build/release/rvk_screenshots docs
