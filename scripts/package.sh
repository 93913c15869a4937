#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brindlewick, makes its Debian package in build/ and shows
# what lintian says of it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh dpkg-dev lintian
cmake --preset default
cmake --build --preset default
(cd build && cpack -G DEB)
package=$(ls -t build/brindlewick_*.deb | head -n 1)
lintian --fail-on error --display-info "$package"
echo "$package"
