#!/usr/bin/env bash
# Installs the Debian packages Korvane needs to build, run and test (listed in packages.txt).
set -euo pipefail
list="$(dirname "$0")/packages.txt"
mapfile -t packages < <(grep -v -e '^#' -e '^$' "$list")
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
