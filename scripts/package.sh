#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brindlewick's Debian source and binary packages with
# dpkg-buildpackage from a copy of the files git tracks (as they are in the work tree), in
# build/debian/, and shows what lintian says of them. Options for dpkg-buildpackage may follow.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh dpkg-dev debhelper lintian desktop-file-utils appstream
version=$(dpkg-parsechangelog -S Version)
out=build/debian
rm -rf "$out"
mkdir -p "$out/brindlewick-$version"
git ls-files -z | tar --null --ignore-failed-read -T - -cf - 2>/dev/null |
    tar -xf - -C "$out/brindlewick-$version"
(cd "$out/brindlewick-$version" && dpkg-buildpackage -us -uc -jauto "$@")
# The source package is checked too, through the .changes. A first upload closes no bug report:
# that warning is the one expected.
report=$(lintian --display-info "$out"/brindlewick_"${version}"_*.changes || true)
echo "$report"
if grep -E '^[EW]:' <<<"$report" | grep -vq ' initial-upload-closes-no-bugs'; then
    exit 1
fi
ls "$out"/*.deb
