#!/usr/bin/env bash
# Installs what is missing, builds Brindlewick and makes its Debian package in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh dpkg-dev
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_WERROR=ON
cmake --build build
(cd build && cpack -G DEB)
ls build/*.deb
