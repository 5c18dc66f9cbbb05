#!/usr/bin/env bash
# Cross-builds the panel and its widget-free tests for the board (32-bit ARM, armhf) into build/armhf, and the
# screen benchmark, which CTest never runs (by hand: qemu-arm build/armhf/bench/bench_screens).
# With --test, runs those tests under qemu-user.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --arm
jobs=${RVK_JOBS:-$(nproc)}
# Core, link, Modbus, register maps and event decoding: the code whose bytes and numbers the CPU may change.
tests="app/tst_parameters.cpp;app/tst_catalogue.cpp;texts/tst_*.cpp;link/tst_*.cpp;sim/tst_*.cpp"
tests+=";log/tst_logevent.cpp;log/tst_logeventdecode.cpp;log/tst_simjournal.cpp;scada/tst_*.cpp"
cmake -S . -B build/armhf -G Ninja -DCMAKE_TOOLCHAIN_FILE=tools/armhf-toolchain.cmake \
    -DCMAKE_BUILD_TYPE=Release -DRVK_BENCH=ON "-DRVK_TEST_GLOBS=$tests" >/dev/null
cmake --build build/armhf -j "$jobs" --target rvk_gui rvk_tests bench_screens
if [ "${1:-}" = "--test" ]; then
    (cd build/armhf && ctest --output-on-failure -j "$jobs")
fi
