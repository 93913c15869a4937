#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brindlewick and runs the whole test suite twice: as built
# for use, and under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

# The package's and the licences' checks need their tools as well.
scripts/install-deps.sh dpkg-dev lintian reuse
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLEWICK_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLEWICK_WERROR=ON \
    -DBRINDLEWICK_SANITIZE=ON
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
