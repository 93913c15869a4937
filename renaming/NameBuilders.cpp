// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/NameBuilders.h"

#include "platform/DrivePath.h"
#include "renaming/FileNames.h"

namespace brindlewick
{

using namespace Qt::StringLiterals;

namespace
{
const QString crlf = u"\r\n"_s;
}

NameRow splitAtLastDot(const QString &fileName)
{
    QString extension = GetFileExt(fileName);
    return {fileName.left(fileName.size() - extension.size()), std::move(extension)};
}

QString replaceAll(QStringView expression, QStringView find, QStringView replacement,
                   Qt::CaseSensitivity sensitivity)
{
    // QString::replace finds all occurrences in the original text before it inserts any.
    return expression.toString().replace(find.toString(), replacement.toString(), sensitivity);
}

void attachAtBeginning(std::vector<NameRow> &rows, QStringView text)
{
    for (NameRow &row : rows)
        row.name.prepend(text);
}

void attachAtEnd(std::vector<NameRow> &rows, QStringView text)
{
    for (NameRow &row : rows)
        row.name.append(text);
}

bool replaceInNames(std::vector<NameRow> &rows, QStringView find, QStringView replacement,
                    Qt::CaseSensitivity sensitivity)
{
    bool someUnchanged = false;
    for (NameRow &row : rows) {
        QString replaced = replaceAll(row.name, find, replacement, sensitivity);
        if (replaced == row.name)
            someUnchanged = true;
        else
            row.name = std::move(replaced);
    }
    return someUnchanged;
}

QString confirmationPrompt(const std::vector<NameRow> &rows)
{
    QString listed;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // A character that reorders or hides letters must not make the box say other than
        // what the run will do.
        listed += u"    "_s + spelledOut(rows[k].fullName()) + crlf;
        if (k == 2) {
            listed += u"        (etcetera)"_s + crlf;
            break;
        }
    }
    return u"Warning:  There is no undo!"_s + crlf + crlf + u"Renamed Files:"_s + crlf + listed +
           crlf + u"Do you wish to continue?"_s;
}

QString unchangedNamesNotice()
{
    return u"Some files did not contain the string to be replaced."_s + crlf + crlf +
           u"Those files will not be renamed."_s;
}

} // namespace brindlewick
