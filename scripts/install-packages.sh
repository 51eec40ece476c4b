#!/usr/bin/env bash
# Installs the Debian packages Korvane needs to build, run and test (listed in packages.txt). Another
# program that holds the package manager (a machine just started refreshes its package lists and
# installs updates of its own) is waited for, up to ten minutes, rather than failed on.
set -euo pipefail
list="$(dirname "$0")/packages.txt"
mapfile -t packages < <(grep -v -e '^#' -e '^$' "$list")
# A machine that has every package already (a second run) skips the package lists' update.
missing=()
for package in "${packages[@]}"; do
    [ "$(dpkg-query -W -f='${Status}' "$package" 2> /dev/null)" = "install ok installed" ] ||
        missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
lock_wait=600
apt_get=("${sudo_cmd[@]}" apt-get -o "DPkg::Lock::Timeout=$lock_wait")
# The install waits for dpkg's lock by that option; the update does not wait for the lock of the package
# lists, so it is tried again while another program holds that.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
deadline=$((SECONDS + lock_wait))
until "${apt_get[@]}" update 2>"$errors"; do
    if ! grep -q "/var/lib/apt/lists/lock" "$errors" || ((SECONDS >= deadline)); then
        cat "$errors" >&2
        exit 1
    fi
    [ -n "${waiting:-}" ] || echo "Waiting for another program to finish updating the package lists..."
    waiting=1
    sleep 5
done
cat "$errors" >&2
"${apt_get[@]}" install -y --no-install-recommends "${packages[@]}"
