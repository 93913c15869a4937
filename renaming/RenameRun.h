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
    // Why the run stopped short, as the platform or the run put it; none when every file was
    // handled and is on disk.
    std::optional<QString> failure;
    // The file the run stopped at and the name it was to get; empty when it stopped at no file.
    QString failedName;
    QString plannedName;
    // Every file was renamed, but the folder could not be put on disk.
    bool unflushed = false;

    bool complete() const { return !failure; }
    // What went wrong, for a user who asks: the file, its planned name and the reason. Empty
    // when the run was complete.
    QString details() const;
};

// Carries out a confirmed plan in the folder it was made in: names[k] becomes planned[k], in
// order, without ever replacing a file, until the first that cannot. What was renamed is put
// on disk before this returns. folder: the folder the names were listed in, held since then.
// progress hears the number of files done after each one.
RenameOutcome runRenames(const Platform &platform, const OpenFolder &folder,
                         const QStringList &names, const std::vector<NameRow> &planned,
                         const std::function<void(qsizetype)> &progress);

} // namespace brindlewick
