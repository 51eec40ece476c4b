#!/usr/bin/env bash
# Installs the Debian packages Korvane needs to build, run and test.
set -euo pipefail
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev
    libgtest-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    xvfb xauth xdotool
)
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
