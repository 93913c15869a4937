// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/PosixPlatform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <sys/types.h>
#include <vector>

namespace brindlewick::test
{

struct TestDrive {
    QChar letter;
    DriveType type;
    QString label;
};

// A folder opened once and its file names as they were then, in name order.
struct Listing {
    OpenFolder folder;
    QStringList names;
};

// Drives over temporary folders, with the real POSIX platform on top. By default A: is
// removable, C: and D: fixed (C: labelled SYSTEM), E: a CD-ROM, F: a network drive. The
// operating system's folder is C:\WINDOWS unless another is named.
class TestDrives
{
public:
    static std::vector<TestDrive> standardLayout();
    // renameWay: the first way of renaming without replacing that the platform tries, to take
    // the ways of other file systems here.
    explicit TestDrives(const std::vector<TestDrive> &layout = standardLayout(),
                        RenameWay renameWay = RenameWay::NoReplaceFlag,
                        const QString &windowsDirectory = QStringLiteral("C:\\WINDOWS"));

    const PosixPlatform &platform() const { return *platform_; }
    PosixPlatform &platform() { return *platform_; }

    // The native path behind a drive path.
    QString native(const QString &drivePath) const;
    // Folders with their parents, then files, each holding "was " and its own name; a test
    // fails where one cannot be made.
    void make(const QStringList &folders, const QStringList &files = {}) const;
    // The same for files of these names in one folder.
    void makeFiles(const QString &folder, const QStringList &names) const;
    // Creates the file with its folders; returns false when it could not.
    bool makeFile(const QString &drivePath, const QByteArray &content = {}) const;
    bool makeFolder(const QString &drivePath) const;
    // A symbolic link at drivePath holding target, a native path as is (relative or not).
    bool makeLink(const QString &drivePath, const QByteArray &target) const;
    // Empty files prefix0suffix to prefix<count-1>suffix in an existing folder, quickly.
    bool makeEmptyFiles(const QString &folder, int count, const QByteArray &prefix,
                        const QByteArray &suffix = {}) const;
    QByteArray contentOf(const QString &drivePath) const;
    // Entry names of a folder, hidden ones too, sorted by bytes.
    QStringList entriesOf(const QString &drivePath) const;
    // The contents of the files in a folder, sorted: what a renaming must never lose.
    QStringList contentsIn(const QString &folder) const;
    // The folder opened and its files listed, as the window does when it shows the folder.
    // Throws when it cannot be opened.
    Listing listFiles(const QString &folder) const;

    // Gives every file and folder of the drives to this user and group.
    void handTo(uid_t user, gid_t group) const;

    // What the file system under the drives cannot do, asked of it in a folder of its own: why,
    // for a test that needs it to skip with; empty where it can.
    static QString withoutLinks();
    static QString withoutHardLinks();
    static QString withoutOwners(); // files given to another user, and permissions kept
    // Each of these names made, in this letter case, as a file of its own.
    static QString withoutNames(const QStringList &names);
    // Room for this many entries in one folder, and a machine that handles them in minutes.
    static QString withoutRoomFor(int entries);

private:
    std::vector<std::unique_ptr<QTemporaryDir>> folders_;
    std::unique_ptr<PosixPlatform> platform_;
};

// Skips the test, saying why, where the machine or its file system cannot do what it needs.
#define SKIP_UNLESS_ABLE(why)                                                                      \
    do {                                                                                           \
        if (const QString reason = (why); !reason.isEmpty())                                       \
            QSKIP(qPrintable(reason));                                                             \
    } while (false)

// While it lives, the test acts as an ordinary user who owns the drives, so that permissions
// hold as they do for anyone but root. Nothing changes when the test does not run as root.
class AsOrdinaryUser
{
public:
    explicit AsOrdinaryUser(const TestDrives &drives);
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    bool switched_ = false;
};

} // namespace brindlewick::test
