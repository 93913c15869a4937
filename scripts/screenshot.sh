#!/usr/bin/env bash
# Retakes docs/screenshot.png: the program's window under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
if ! command -v xvfb-run >/dev/null; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq xvfb xauth
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_WERROR=ON
cmake --build build --target brindlewick-screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/brindlewick-screenshot docs/screenshot.png
echo "docs/screenshot.png written"
