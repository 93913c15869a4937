#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brindlewick and runs its benchmark on large folders.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
QT_QPA_PLATFORM=offscreen exec build/bench/brindlewick-bench "$@"
