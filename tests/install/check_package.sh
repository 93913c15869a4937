#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build and fails on anything lintian calls an error.
# Usage: check_package.sh BUILD_DIR. Skipped (77) where dpkg-deb or lintian is missing.
set -euo pipefail
build_dir=$1
for tool in dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "no $tool here: skipped"; exit 77; }
done
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT

if ! cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$output" >"$output/cpack.log" 2>&1; then
    cat "$output/cpack.log"
    exit 1
fi
package=$(ls "$output"/*.deb)
dpkg-deb --info "$package"
# Read whole before searching: grep -q leaves early, and under pipefail the writer's broken
# pipe would fail the check.
contents=$(dpkg-deb --contents "$package")
grep -q ' ./usr/share/man/man1/brindlewick.1.gz$' <<<"$contents"
lintian --fail-on error --info "$package"
echo "the package passes lintian"
