// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"
#include "renaming/NameBuilders.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace brindlewick
{

struct RenameOutcome {
    // Files handled, from the first on: renamed, or already bearing the planned name.
    qsizetype done = 0;
    // Why the run stopped short; none when every file was handled.
    std::optional<QString> failure;

    bool complete() const { return !failure; }
};

// Carries out a confirmed plan in the folder it was made in: names[k] becomes planned[k], in
// order, without ever replacing a file, until the first that cannot. What was renamed is put
// on disk before this returns. folder: the folder the names were listed in, held since then.
// progress hears the number of files done after each one.
RenameOutcome runRenames(const Platform &platform, const OpenFolder &folder,
                         const QStringList &names, const std::vector<NameRow> &planned,
                         const std::function<void(qsizetype)> &progress);

} // namespace brindlewick
