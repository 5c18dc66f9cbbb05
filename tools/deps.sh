#!/usr/bin/env bash
# Installs the Debian packages that the build, the panel and the tests need, when they are missing.
set -euo pipefail

packages=(qtbase5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools cmake ninja-build g++ git)
if [ "${1:-}" = "--tests" ]; then
    # Outside Modbus peers, the reference server of the benchmarks, clang for the fuzzers, Xvfb for screenshots.
    packages+=(python3-pymodbus libmodbus-dev pkg-config mbpoll clang libclang-rt-14-dev xvfb xauth valgrind)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
