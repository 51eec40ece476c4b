#!/usr/bin/env bash
# Configures and builds Korvane in a build folder (default: build). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja "$@"
cmake --build "$dir" --parallel "$(nproc)"
