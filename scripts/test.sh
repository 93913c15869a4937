#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brindlewick and runs the whole test suite twice: as built
# for use, and under AddressSanitizer and UndefinedBehaviorSanitizer; then the tests that
# rename, list and browse on each file system people rename on.
set -euo pipefail
cd "$(dirname "$0")/.."

# The checks of the installed files, the package and the licences need their tools as well, the
# tests of a file system that answers slowly or stops answering a FUSE one of their own, and the
# test that every language fits the window fonts that draw every language's letters.
scripts/install-deps.sh desktop-file-utils appstream dpkg-dev lintian reuse pkg-config \
    libfuse3-dev fuse3 fonts-dejavu-core fonts-droid-fallback
jobs=$(nproc)

cmake --preset default
cmake --build --preset default
ctest --preset default -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize -j "$jobs"

scripts/test-filesystems.sh
