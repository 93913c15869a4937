#!/usr/bin/env bash
# Installs what is missing, builds Brindlewick and makes its Debian package in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
if ! command -v dpkg-shlibdeps >/dev/null; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq dpkg-dev
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_WERROR=ON
cmake --build build
(cd build && cpack -G DEB)
ls build/*.deb
