// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DrivePath.h"

namespace brindlewick
{

bool isMisleadingCharacter(char32_t c)
{
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029)
        return true;
    return c >= 0xad && QChar::category(c) == QChar::Other_Format && c != 0x200e && c != 0x200f;
}

bool isRepresentableName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        // Plain ASCII, nearly every name of a large folder, takes the fewest comparisons.
        if (u >= 0x20 && u < 0x7f) {
            if (u == u'\\' || u == u'/')
                return false;
            continue;
        }
        char32_t c = u;
        if (QChar::isHighSurrogate(u) && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(u, name[++i].unicode());
        if (isMisleadingCharacter(c))
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
