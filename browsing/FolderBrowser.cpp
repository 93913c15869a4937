// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/FolderBrowser.h"

#include "browsing/TreeText.h"
#include "platform/FileSystemObject.h"
#include "renaming/FileNames.h"

namespace brindlewick
{

using namespace Qt::StringLiterals;

FolderBrowser::FolderBrowser(const Platform &platform) : platform_(platform)
{
    // The desktop's answer may carry a NUL and whatever follows it.
    const QString answer = platform_.windowsDirectory();
    systemFolder_ = answer.left(answer.indexOf(QChar(0)));
}

std::vector<FolderBrowser::DriveNode> FolderBrowser::fixedDrives() const
{
    std::vector<DriveNode> drives;
    for (char16_t code = u'A'; code <= u'Z'; ++code) {
        const QChar letter(code);
        try {
            if (platform_.driveType(letter + u":\\"_s) != DriveType::Fixed)
                continue;
            drives.push_back({u"root"_s + QString::number(int(code)),
                              driveNodeText(platform_.volumeLabel(letter + u":"_s), letter)});
        } catch (const std::exception &) {
            continue; // a drive whose label cannot be read is left out
        }
    }
    return drives;
}

OpenFolder FolderBrowser::openFolder(const QString &path, OpenFor purpose) const
{
    // The look-ahead, which only shows whether a folder has subfolders, asks nothing of a file
    // system that may have stopped answering.
    try {
        if (purpose == OpenFor::LookAhead && platform_.mayStopAnswering(path))
            return nullptr;
        return platform_.openFolder(path);
    } catch (const std::exception &) {
        return nullptr;
    }
}

OpenFolder FolderBrowser::openNodeFolder(QStringView nodeFullPath, OpenFor purpose) const
{
    const std::optional<QString> path = folderPathOf(nodeFullPath);
    return path ? openFolder(*path, purpose) : nullptr;
}

bool FolderBrowser::liesInSystemFolder(const OpenFolder &folder) const
{
    try {
        return folder && platform_.isInSystemFolder(*folder);
    } catch (const std::exception &) {
        return false; // what cannot be looked into cannot be shown either
    }
}

bool FolderBrowser::refusesClick(QStringView folderPath, const std::optional<QString> &selectedText,
                                 const OpenFolder &opened) const
{
    const bool isSystemFolder = folderPath == systemFolder_;
    const bool isSystemName = selectedText && protectedFolderName(systemFolder_) == *selectedText;
    return (isSystemFolder && isSystemName) || liesInSystemFolder(opened);
}

bool FolderBrowser::refusesExpansion(QStringView nodeText, const OpenFolder &opened) const
{
    return protectedFolderName(systemFolder_) == nodeText || liesInSystemFolder(opened);
}

QStringList FolderBrowser::shownFiles(const OpenFolder &folder, const QStringList &names,
                                      const std::function<void(qsizetype)> &progress) const
{
    QStringList shown;
    if (!folder)
        return shown;
    shown.reserve(names.size());
    FileSystemObject fso(platform_);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (fso.FileExists(folder, name) && isListedFileName(fso.GetFile(folder, name).Name()))
            shown.append(name);
        if (progress)
            progress(i + 1);
    }
    return shown;
}

} // namespace brindlewick
