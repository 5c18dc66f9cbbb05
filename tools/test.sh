#!/usr/bin/env bash
# Builds everything and runs every test: a normal build, the board's ARM build (its chosen tests under
# qemu-user), a clang build with AddressSanitizer and UndefinedBehaviorSanitizer, and its fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --tests
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== normal build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$jobs"
(cd build/release && ctest --output-on-failure -j "$jobs")

echo "== board build (armhf), its tests under qemu-user"
tools/build-arm.sh --test

echo "== sanitizer build (address, undefined; clang, with the libFuzzer harnesses)"
CC=clang CXX=clang++ cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRVK_SANITIZE=ON -DRVK_FUZZ=ON \
    -DRVK_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build/asan && ctest --output-on-failure -j "$jobs")

echo "== fuzzers"
seconds=${RVK_FUZZ_SECONDS:-60}
for f in build/asan/fuzz/fuzz_*; do
    [ -f "$f" ] && [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus=build/asan/corpus/$name
    mkdir -p "$corpus"
    seeds=fuzz/corpus/$name
    [ -d "$seeds" ] || seeds=""
    echo "-- $name for ${seconds}s"
    "$f" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" $seeds 2>&1 | tail -n 12
done
