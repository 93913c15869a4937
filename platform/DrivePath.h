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

// The code point at i of a text and how many UTF-16 units it takes; a lone surrogate stands for
// itself, as it does in a name.
struct CodePoint {
    char32_t value;
    qsizetype size;
};
inline CodePoint codePointAt(QStringView text, qsizetype i)
{
    const char16_t u = text[i].unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(u, text[i + 1].unicode()), 2};
    return {u, 1};
}

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

// True when name can stand as one entry of a drive-letter path and be shown exactly as it is:
// never empty, "." or "..", and without "\", "/" or a character that makes it read as
// something it is not. Those are the controls (U+0000 to U+001F, U+007F to U+009F), the line
// and paragraph separators (U+2028, U+2029), and the invisible format characters (general
// category Cf: zero-width spaces, the bidirectional embeddings, overrides and isolates that
// reorder the letters shown, and the like). The format characters that correctly written names
// need stay: the zero-width non-joiner and joiner (U+200C, U+200D) of Persian, Indic scripts and
// emoji sequences; the marks of right-to-left text (U+200E, U+200F, U+061C); and the tag
// characters (U+E0020 to U+E007F) of an emoji flag, but only inside one whole tag sequence:
// U+1F3F4, one or more tags up to U+E007E, then the cancel tag U+E007F.
bool isRepresentableName(QStringView name);

// The text with each character that makes a name read as something it is not (as above; "\" and
// "/" are no such character) written as <U+XXXX>, so that a name in a box or a message reads as
// what it is.
QString spelledOut(QStringView text);

// True when a folder listing shows an entry of this name: one that can be represented, and
// not hidden by the convention of a leading dot.
bool isShownEntryName(QStringView name);

} // namespace brindlewick
