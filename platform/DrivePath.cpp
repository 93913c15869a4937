// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DrivePath.h"

namespace brindlewick
{

using namespace Qt::StringLiterals;

namespace
{

constexpr char32_t blackFlag = 0x1f3f4;
constexpr char32_t firstTag = 0xe0020;
constexpr char32_t cancelTag = 0xe007f;

// Judged alone. Tag characters are misleading here: only their whole sequence is not.
bool isMisleadingCharacter(char32_t c)
{
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029)
        return true;
    return c >= 0xad && QChar::category(c) == QChar::Other_Format && c != 0x200c && c != 0x200d &&
           c != 0x200e && c != 0x200f && c != 0x061c;
}

// The UTF-16 length of an emoji tag sequence that starts at i (the black flag, tags up to
// U+E007E, the cancel tag), or 0 where none does. The flag and each tag take two units.
qsizetype tagSequenceAt(QStringView text, qsizetype i)
{
    for (qsizetype at = i + 2; at + 1 < text.size(); at += 2) {
        const CodePoint c = codePointAt(text, at);
        if (c.size != 2 || c.value < firstTag || c.value > cancelTag)
            return 0;
        if (c.value == cancelTag)
            return at > i + 2 ? at + 2 - i : 0;
    }
    return 0;
}

// How many UTF-16 units from i read as what they are: one character, or a whole emoji tag
// sequence; 0 where the character at i is misleading.
qsizetype honestLengthAt(QStringView text, qsizetype i)
{
    const CodePoint c = codePointAt(text, i);
    if (c.value == blackFlag) {
        if (const qsizetype sequence = tagSequenceAt(text, i))
            return sequence;
    }
    return isMisleadingCharacter(c.value) ? 0 : c.size;
}

} // namespace

bool isRepresentableName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (qsizetype i = 0; i < name.size();) {
        const char16_t u = name[i].unicode();
        // Plain ASCII, nearly every name of a large folder, takes the fewest comparisons.
        if (u >= 0x20 && u < 0x7f) {
            if (u == u'\\' || u == u'/')
                return false;
            ++i;
            continue;
        }
        const qsizetype length = honestLengthAt(name, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QString spelledOut(QStringView text)
{
    QString spelled;
    spelled.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype length = honestLengthAt(text, i)) {
            spelled += text.mid(i, length);
            i += length;
            continue;
        }
        const CodePoint c = codePointAt(text, i);
        spelled +=
            u"<U+"_s + QString::number(uint(c.value), 16).toUpper().rightJustified(4, u'0') + u'>';
        i += c.size;
    }
    return spelled;
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
