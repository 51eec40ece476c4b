#!/usr/bin/env bash
# Configures and builds Korvane in a build folder (default: build): every target, or only those named
# with --target NAME. Other arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
configure=()
targets=()
while [ $# -gt 0 ]; do
    if [ "$1" = --target ] && [ $# -gt 1 ]; then
        targets+=(--target "$2")
        shift 2
    else
        configure+=("$1")
        shift
    fi
done
cmake -S . -B "$dir" -G Ninja "${configure[@]}"
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
