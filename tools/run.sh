#!/usr/bin/env bash
# Builds the panel and starts it on the simulated main controller (or on /dev/spidev0.0 when present).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DRVK_BENCH=OFF >/dev/null
cmake --build build/release --target rvk_gui
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. To see the panel without a desktop, run it under Xvfb:"
    echo "  apt-get install -y xvfb && xvfb-run -s '-screen 0 640x480x24' build/release/rvk_gui -windowed"
    exit 1
fi
exec build/release/rvk_gui -windowed "$@"
