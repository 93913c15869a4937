#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the README's pictures of the window under a virtual X server: docs/screenshot.png
# as most desktops show it, docs/screenshot-large.png at scale factor 2 with a 14-point font, and
# docs/screenshot-fa.png in Persian.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh xvfb xauth fonts-dejavu-core
cmake --preset default
cmake --build --preset default --target brindlewick-screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/brindlewick-screenshot docs/screenshot.png
xvfb-run -a -s "-screen 0 2560x1600x24" env QT_SCALE_FACTOR=2 \
    build/brindlewick-screenshot docs/screenshot-large.png 14
xvfb-run -a -s "-screen 0 1280x800x24" env LANGUAGE=fa build/brindlewick-screenshot \
    docs/screenshot-fa.png
echo "docs/screenshot.png, docs/screenshot-large.png and docs/screenshot-fa.png written"
