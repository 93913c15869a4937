// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace brindlewick
{

// One selected file's name split at its last dot. A rename changes only the name part; the
// extension, with its dot, stays as it is.
struct NameRow {
    QString name;
    QString extension;

    QString fullName() const { return name + extension; }
};

NameRow splitAtLastDot(const QString &fileName);

// Every occurrence of find in expression, left to right and without overlap, replaced by
// replacement; inserted text is never searched again. Ignoring case matches every letter
// that has a case with its other case. Text finds every spelling of itself that looks the
// same ("é" finds "e" with a combining accent and the other way round), but only whole
// characters: "e" is not found inside "é". The rest of expression keeps its code points.
QString replaceAll(QStringView expression, QStringView find, QStringView replacement,
                   Qt::CaseSensitivity sensitivity);

// Rewrite the name parts. replaceInNames returns true when at least one stayed as it was, or
// came out only spelled otherwise with the same look; such a name keeps its code points.
void attachAtBeginning(std::vector<NameRow> &rows, QStringView text);
void attachAtEnd(std::vector<NameRow> &rows, QStringView text);
bool replaceInNames(std::vector<NameRow> &rows, QStringView find, QStringView replacement,
                    Qt::CaseSensitivity sensitivity);

// The box that asks before renaming: the first three planned names and, from three files on,
// a line saying there are more.
QString confirmationPrompt(const std::vector<NameRow> &rows);
QString unchangedNamesNotice();

} // namespace brindlewick
