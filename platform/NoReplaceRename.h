// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <functional>

namespace brindlewick
{

// The ways a rename is kept from replacing a file, from the best a file system offers to the
// last resort. Each is tried where the file system does not support the one before it.
enum class RenameWay {
    NoReplaceFlag, // renameat2 with RENAME_NOREPLACE
    HardLink,      // a second name made by link, then the first removed
    Reservation,   // the new name created exclusively, then renamed over
};

// Returned where a reservation of the new name was written to or replaced by another program
// before the file went over it; errno is EEXIST. What holds the name then is left alone.
inline constexpr int TakenMeanwhile = -2;

// Renames from to to inside the folder dirFd, never replacing a file that is not the
// caller's own, starting with the way first. Returns 0, or -1 with errno set: EEXIST when
// the name is taken; or TakenMeanwhile. whileReserved, when given, runs while the new name is
// held by its reservation, just before the file goes over it: a test's way into that instant.
int renameWithoutReplacing(int dirFd, const char *from, const char *to, RenameWay first,
                           const std::function<void()> *whileReserved = nullptr);

// The same for a change of letter case alone. On a file system that ignores case the new name
// is taken by the file itself; there the change goes through a free temporary name.
int renameLetterCase(int dirFd, const QByteArray &from, const QByteArray &to, RenameWay first,
                     const std::function<void()> *whileReserved = nullptr);

} // namespace brindlewick
