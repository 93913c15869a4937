// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace brindlewick
{

// The extension of a file name: its last dot and what follows, or empty without a dot.
QString GetFileExt(QStringView fileName);

// True when text, lower-cased, is exactly lower (which is in lower case already).
bool equalsLowerCased(QStringView text, QStringView lower);

// False when a three-letter ending, in any letter case, is one that system files carry.
bool ExtCheck(QStringView fileExt);

// The one rule for the names of files: true when the file list shows a file of this name. A
// rename never makes a name that the list would hide, so that no file vanishes from it.
bool isListedFileName(QStringView name);

} // namespace brindlewick
