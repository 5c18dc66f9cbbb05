#!/usr/bin/env bash
# Installs the Debian packages that the build, the panel and the tests need, when they are missing.
set -euo pipefail

packages=(qtbase5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools cmake ninja-build g++ git)
if [ "${1:-}" = "--tests" ]; then
    # Outside Modbus peers, the reference server of the benchmarks, clang for the fuzzers, Xvfb for screenshots.
    packages+=(python3-pymodbus libmodbus-dev pkg-config mbpoll clang libclang-rt-14-dev xvfb xauth valgrind)
fi
if [ "${1:-}" = "--arm" ]; then
    # The armhf cross build: Debian's cross compiler, the armhf Qt beside the host one, qemu for its tests.
    packages+=(g++-arm-linux-gnueabihf qtbase5-dev:armhf libqt5sql5-sqlite:armhf qemu-user python3-pymodbus)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    if [[ "${missing[*]}" == *:armhf* ]] && ! dpkg --print-foreign-architectures | grep -qx armhf; then
        $SUDO dpkg --add-architecture armhf
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
