#!/usr/bin/env bash
# Installs what Korvane needs, builds the program (the test command builds the rest) and starts it. The
# build folder's bin/ is the program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh build --target korvane
exec build/bin/korvane
