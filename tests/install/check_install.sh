#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlewick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop needs of it.
# Usage: check_install.sh CMAKE BUILD_DIR [RECORDS]; RECORDS OFF where debhelper installs the
# copyright and the Debian changelog instead.
set -euo pipefail
cmake_command=$1
build_dir=$2
records=${3:-ON}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake_command" --install "$build_dir" --prefix "$prefix" >/dev/null
id=org.brindlewick.brindlewick
test -x "$prefix/bin/brindlewick"
desktop-file-validate "$prefix/share/applications/$id.desktop"
# Pedantic: software centres show what passes it, and a note of any kind fails the check,
# save the one each AppStream generation makes of the other's developer tag, which both carry.
validation=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml")
notes=$(grep -vE ': (unknown-tag developer|developer-name-tag-deprecated)$' <<<"$validation" || true)
if grep -qE '^[EWIP]:' <<<"$notes"; then
    echo "$validation"
    exit 1
fi
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$prefix/share/metainfo/$id.metainfo.xml"
test -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    test -s "$icon" || { echo "missing $icon"; exit 1; }
done
grep -q "^Icon=$id$" "$prefix/share/applications/$id.desktop"
test -s "$prefix/share/man/man1/brindlewick.1.gz"
if [ "$records" = ON ]; then
    test -s "$prefix/share/doc/brindlewick/copyright"
    test -s "$prefix/share/doc/brindlewick/changelog.Debian.gz"
fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed files check out"
