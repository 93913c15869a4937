// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/TreeText.h"

namespace brindlewick
{

QString properCase(QStringView text)
{
    QString result = text.toString().toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (wordStart)
            c = c.toUpper();
        wordStart = c == u' ';
    }
    return result;
}

QString driveNodeText(QStringView label, QChar letter)
{
    return properCase(label) + QStringLiteral(" (") + letter + QStringLiteral(":)");
}

std::optional<QString> folderPathOf(QStringView fullPath)
{
    const qsizetype colon = fullPath.indexOf(u':');
    if (colon < 1)
        return std::nullopt;
    const QStringView below = fullPath.mid(colon + 2);
    QString path;
    path.reserve(2 + below.size());
    path.append(fullPath.mid(colon - 1, 2));
    path.append(below);
    return path;
}

QStringView protectedFolderName(QStringView winPath)
{
    return winPath.mid(winPath.lastIndexOf(u'\\') + 1);
}

} // namespace brindlewick
