// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace brindlewick
{

// A drive-letter path taken apart: "C:\home\ann" is C with the names home and ann.
struct DrivePath {
    QChar letter; // always upper case
    QStringList names;

    bool isRoot() const { return names.isEmpty(); }
};

// A drive path that passed the rules of parseDrivePath, not yet taken apart.
struct CheckedDrivePath {
    QChar letter;      // upper case
    QStringView below; // "\a\b" below the root, empty at the root; no final "\"
};
std::optional<CheckedDrivePath> checkDrivePath(QStringView path);

// Accepts "C:", "C:\" and "C:\a\b" with or without a final "\". Refuses anything that could
// point elsewhere than it reads: a missing letter, empty names, "." and "..", "/" or NUL.
std::optional<DrivePath> parseDrivePath(QStringView path);

// True for a character that makes a name read as something it is not: a control (U+0000 to
// U+001F, U+007F to U+009F), a line or paragraph separator (U+2028, U+2029), or an invisible
// format character (general category Cf: zero-width spaces and joiners, the bidirectional
// embeddings, overrides and isolates that reorder the letters shown, and the like). The
// left-to-right and right-to-left marks (U+200E, U+200F) stay: right-to-left scripts need them
// to show a name the way it reads.
bool isMisleadingCharacter(char32_t c);

// True when name can stand as one entry of a drive-letter path and be shown exactly as it is:
// never empty, "." or "..", and without "\", "/" or a misleading character.
bool isRepresentableName(QStringView name);

// True when a folder listing shows an entry of this name: one that can be represented, and
// not hidden by the convention of a leading dot.
bool isShownEntryName(QStringView name);

} // namespace brindlewick
