#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brindlewick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
exec build/brindlewick "$@"
