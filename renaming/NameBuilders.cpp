// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/NameBuilders.h"

#include "platform/DrivePath.h"
#include "renaming/FileNames.h"

#include <QCoreApplication>
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

namespace
{

// True when no character of text decomposes or attaches to the one before it: the text is
// then its own NFD, and each character stands alone on screen. Nothing below U+00C0 does.
bool standsAlone(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].unicode() < 0xC0) {
            ++i;
            continue;
        }
        const CodePoint c = codePointAt(text, i);
        if (QChar::decompositionTag(c.value) == QChar::Canonical ||
            QChar::combiningClass(c.value) != 0)
            return false;
        i += c.size;
    }
    return true;
}

// A text in NFD, built one displayed character (a starter and the marks after it) at a time,
// so that a place in it can be traced back to the text as written.
struct Decomposed {
    QString text;
    // For each place in text, where it is in the original if a character begins there, else -1.
    std::vector<qsizetype> origin;
};

Decomposed decompose(QStringView text)
{
    Decomposed out;
    out.text.reserve(text.size());
    out.origin.reserve(std::size_t(text.size()) + 1);
    qsizetype start = 0;
    const auto close = [&](qsizetype end) {
        out.origin.push_back(start);
        const QStringView unit = text.sliced(start, end - start);
        if (unit.size() == 1 && unit[0].unicode() < 0xC0)
            out.text += unit[0];
        else
            out.text += unit.toString().normalized(QString::NormalizationForm_D);
        out.origin.resize(std::size_t(out.text.size()), -1);
        start = end;
    };
    for (qsizetype i = 0; i < text.size();) {
        const CodePoint c = codePointAt(text, i);
        if (i > start && QChar::combiningClass(c.value) == 0)
            close(i);
        i += c.size;
    }
    if (start < text.size())
        close(text.size());
    out.origin.push_back(text.size());
    return out;
}

// The matching done on NFD forms, so that either spelling of a character finds the other; a
// match must take whole characters, so "e" is not found inside "é" however it is written.
QString replaceWholeCharacters(QStringView expression, QStringView find, QStringView replacement,
                               Qt::CaseSensitivity sensitivity)
{
    const Decomposed name = decompose(expression);
    const QString wanted = decompose(find).text;
    QString result;
    qsizetype copied = 0;
    qsizetype at = name.text.indexOf(wanted, 0, sensitivity);
    while (at >= 0) {
        const qsizetype begin = name.origin[std::size_t(at)];
        const qsizetype end = name.origin[std::size_t(at + wanted.size())];
        if (begin < 0 || end < 0) {
            at = name.text.indexOf(wanted, at + 1, sensitivity);
            continue;
        }
        result += expression.sliced(copied, begin - copied);
        result += replacement;
        copied = end;
        at = name.text.indexOf(wanted, at + wanted.size(), sensitivity);
    }
    result += expression.sliced(copied);
    return result;
}

// QString::replace finds all occurrences in the original text before it inserts any.
QString replacePlainly(QStringView expression, QStringView find, QStringView replacement,
                       Qt::CaseSensitivity sensitivity)
{
    return expression.toString().replace(find.data(), find.size(), replacement.data(),
                                         replacement.size(), sensitivity);
}

} // namespace

QString replaceAll(QStringView expression, QStringView find, QStringView replacement,
                   Qt::CaseSensitivity sensitivity)
{
    // Where NFD changes nothing, which is nearly every name, each character is one code point.
    if (find.isEmpty() || (standsAlone(expression) && standsAlone(find)))
        return replacePlainly(expression, find, replacement, sensitivity);
    return replaceWholeCharacters(expression, find, replacement, sensitivity);
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
    // A plain name with plain texts comes out plain, and a plain name has one spelling only.
    const bool plainTexts = standsAlone(find) && standsAlone(replacement);
    bool someUnchanged = false;
    for (NameRow &row : rows) {
        const bool plain = plainTexts && standsAlone(row.name);
        QString replaced = plain ? replacePlainly(row.name, find, replacement, sensitivity)
                                 : replaceAll(row.name, find, replacement, sensitivity);
        // A name put back in another spelling of itself is not renamed: it would look the same.
        if (replaced == row.name ||
            (!plain && replaced.normalized(QString::NormalizationForm_D) ==
                           row.name.normalized(QString::NormalizationForm_D)))
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
            listed +=
                u"        "_s + QCoreApplication::translate("NameBuilders", "(etcetera)") + crlf;
            break;
        }
    }
    // Each line is translated alone: the blank lines and the indents carry the box's layout.
    return QCoreApplication::translate("NameBuilders", "Warning:  There is no undo!") + crlf +
           crlf + QCoreApplication::translate("NameBuilders", "Renamed Files:") + crlf + listed +
           crlf + QCoreApplication::translate("NameBuilders", "Do you wish to continue?");
}

QString unchangedNamesNotice()
{
    return QCoreApplication::translate("NameBuilders",
                                       "Some files did not contain the string to be replaced.") +
           crlf + crlf +
           QCoreApplication::translate("NameBuilders", "Those files will not be renamed.");
}

} // namespace brindlewick
