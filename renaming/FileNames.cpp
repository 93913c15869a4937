// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/FileNames.h"

#include "platform/DrivePath.h"

#include <algorithm>
#include <array>

namespace brindlewick
{

QString GetFileExt(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot).toString();
}

bool equalsLowerCased(QStringView text, QStringView lower)
{
    // Names are mostly plain ASCII, which lower-cases without a copy; anything else takes
    // Unicode's full rules.
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (!ascii)
        return text.toString().toLower() == lower;
    if (text.size() != lower.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c != lower[i].unicode())
            return false;
    }
    return true;
}

bool ExtCheck(QStringView fileExt)
{
    static constexpr std::array<std::array<char16_t, 3>, 7> protectedEndings = {{
        {u'i', u'n', u'i'},
        {u'd', u'a', u't'},
        {u'd', u'o', u's'},
        {u'e', u'x', u'e'},
        {u'd', u'l', u'l'},
        {u's', u'y', u's'},
        {u'c', u'o', u'm'},
    }};
    const bool ascii =
        std::all_of(fileExt.begin(), fileExt.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        const QString lower = fileExt.toString().toLower();
        return std::none_of(protectedEndings.begin(), protectedEndings.end(),
                            [&lower](const std::array<char16_t, 3> &ending) {
                                return lower == QStringView(ending.data(), 3);
                            });
    }
    // Every file of a large folder passes here: lower-case the three letters once, in place.
    if (fileExt.size() != 3)
        return true;
    std::array<char16_t, 3> lower{};
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const char16_t c = fileExt[qsizetype(i)].unicode();
        lower[i] = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    }
    return std::find(protectedEndings.begin(), protectedEndings.end(), lower) ==
           protectedEndings.end();
}

bool isListedFileName(QStringView name)
{
    // The ending is judged by the last three characters, not by the extension: "backup-dat" is
    // a system file's name as much as "backup.dat" is.
    return isShownEntryName(name) && ExtCheck(name.right(3)) &&
           !equalsLowerCased(name, u"autoexec.bat");
}

} // namespace brindlewick
