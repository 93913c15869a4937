// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace brindlewick
{

// The first letter of every blank-separated word in upper case, all others in lower case.
QString properCase(QStringView text);

// "System (C:)": the label in proper case, then the letter in brackets.
QString driveNodeText(QStringView label, QChar letter);

// The folder a node stands for, from its full path: "System (C:)\Music\Jazz" gives
// "C:\Music\Jazz", a drive node "C:". Empty when the path holds no drive letter.
std::optional<QString> folderPathOf(QStringView fullPath);

// The last component of the operating system's folder, the name the tree refuses to open: a
// view into winPath.
QStringView protectedFolderName(QStringView winPath);

} // namespace brindlewick
