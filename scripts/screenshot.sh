#!/usr/bin/env bash
# Retakes docs/screenshot.png: the program's window under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh xvfb xauth
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_WERROR=ON
cmake --build build --target brindlewick-screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/brindlewick-screenshot docs/screenshot.png
echo "docs/screenshot.png written"
