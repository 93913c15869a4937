// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

namespace brindlewick
{

// The browsing work behind the tree and the file list: which drives there are, the folder a
// node stands for, whether the operating system's folder is being asked for, and which files
// a folder shows.
class FolderBrowser
{
public:
    // The platform must outlive the browser. The operating system's folder is asked for once.
    explicit FolderBrowser(const Platform &platform);

    // The operating system's folder, "C:\WINDOWS".
    const QString &systemFolder() const { return systemFolder_; }

    struct DriveNode {
        QString key;  // "root" and the letter's code: "root67" for C:
        QString text; // the label in proper case and the letter: "System (C:)"
    };
    // The fixed drives in letter order. A drive whose label cannot be read is left out.
    std::vector<DriveNode> fixedDrives() const;

    // Who a folder is opened for. The look-ahead only wants to show whether a folder has
    // subfolders: it asks nothing of a file system that may stop answering. The user waits for
    // an answer, for as long as the file system keeps answering.
    enum class OpenFor { User, LookAhead };
    // The folder at a drive path, opened; null when it cannot be.
    OpenFolder openFolder(const QString &path, OpenFor purpose = OpenFor::User) const;
    // The folder a node stands for, from the node's full path ("System (C:)\Music"), opened;
    // null when it cannot be.
    OpenFolder openNodeFolder(QStringView nodeFullPath, OpenFor purpose = OpenFor::User) const;

    // A click is refused on the folder at the system folder's path while the selected node
    // bears its name (selectedText: none when no node is selected), and on a folder opened
    // for the user (null for none) that is the system folder or lies inside it, however it
    // was reached.
    bool refusesClick(QStringView folderPath, const std::optional<QString> &selectedText,
                      const OpenFolder &opened) const;
    // An expansion is refused on any node named as the system folder, and on a folder that is
    // it or lies inside it.
    bool refusesExpansion(QStringView nodeText, const OpenFolder &opened) const;

    // Of a folder's files, in the order given, those the list shows. progress hears how many
    // have been looked at, after each one.
    QStringList shownFiles(const OpenFolder &folder, const QStringList &names,
                           const std::function<void(qsizetype)> &progress) const;

private:
    bool liesInSystemFolder(const OpenFolder &folder) const;

    const Platform &platform_;
    QString systemFolder_;
};

} // namespace brindlewick
