// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DrivePath.h"

namespace brindlewick
{

bool isRepresentableName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        // Plain ASCII, nearly every name of a large folder, takes the fewest comparisons.
        if ((u >= 0x20 && u < 0x7f) ? (u == u'\\' || u == u'/') : isMisleadingCharacter(u))
            return false;
    }
    return true;
}

bool isShownEntryName(QStringView name)
{
    return !name.startsWith(u'.') && isRepresentableName(name);
}

std::optional<CheckedDrivePath> checkDrivePath(QStringView path)
{
    if (path.size() < 2 || path[1] != u':')
        return std::nullopt;
    const char16_t letter = path[0].toUpper().unicode();
    if (letter < u'A' || letter > u'Z')
        return std::nullopt;

    QStringView rest = path.mid(2);
    if (!rest.isEmpty() && rest.front() != u'\\')
        return std::nullopt; // "C:name" would mean a drive's current folder
    while (rest.endsWith(u'\\'))
        rest.chop(1);
    for (qsizetype start = 1; start <= rest.size();) {
        qsizetype end = rest.indexOf(u'\\', start);
        if (end < 0)
            end = rest.size();
        if (!isRepresentableName(rest.mid(start, end - start)))
            return std::nullopt;
        start = end + 1;
    }
    return CheckedDrivePath{QChar(letter), rest};
}

std::optional<DrivePath> parseDrivePath(QStringView path)
{
    const std::optional<CheckedDrivePath> checked = checkDrivePath(path);
    if (!checked)
        return std::nullopt;
    DrivePath result{checked->letter, {}};
    if (!checked->below.isEmpty()) {
        for (const QStringView name : checked->below.mid(1).split(u'\\'))
            result.names.append(name.toString());
    }
    return result;
}

} // namespace brindlewick
