// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QStringView>

namespace brindlewick
{

// Orders names as people read them, the same in every locale: letter case ignored, runs of
// digits compared as numbers (photo2 before photo10), ties broken by the exact name.
// Returns <0, 0 or >0; 0 only for equal names.
int compareNames(QStringView a, QStringView b);

void sortNames(QStringList &names);

} // namespace brindlewick
