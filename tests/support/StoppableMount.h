// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <chrono>

namespace brindlewick::test
{

// A FUSE file system over a folder, whose daemon answers every call after a delay, as a slow
// share does, and which a test can stop the way a suspended or vanished server stops: every
// question asked of it then waits. When it goes, whatever happened, the daemon is resumed and the
// file system unmounted.
class StoppableMount
{
public:
    // Native paths; the mount point must be an empty folder.
    StoppableMount(const QString &source, const QString &mountPoint,
                   std::chrono::milliseconds delay = {});
    ~StoppableMount();
    StoppableMount(const StoppableMount &) = delete;
    StoppableMount &operator=(const StoppableMount &) = delete;

    bool isMounted() const { return mounted_; }
    // Why it is not mounted, for a skipped test to say.
    QString whyNot() const { return whyNot_; }
    void stop();
    void resume();

private:
    QProcess daemon_;
    QString mountPoint_;
    bool mounted_ = false;
    QString whyNot_;
};

} // namespace brindlewick::test
