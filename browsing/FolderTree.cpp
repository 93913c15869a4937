// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder tree: subfolders loaded one level ahead of what the user opens, the current
// folder chosen by a click, and the operating system's folder refused.
#include "browsing/NodeTree.h"
#include "browsing/TreeText.h"
#include "window/Dialogs.h"
#include "window/ProgressMeter.h"
#include "window/frmMain.h"

#include <QScopeGuard>
#include <optional>

namespace brindlewick
{

using namespace Qt::StringLiterals;

namespace
{

QString protectedFolderMessage()
{
    return u"Brindlewick will not edit known system files!"_s;
}

} // namespace

void frmMain::DisplayDir(QString Pth, TreeNode *Parent)
{
    Pth += u'\\';
    OpenFolder folder;
    try {
        folder = platform_.openFolder(Pth);
    } catch (const std::exception &) {
        // The enumerator still stands on another folder, whose subfolders are not this one's.
        return;
    }
    DisplayDir(folder, Parent);
}

void frmMain::DisplayDir(const OpenFolder &folder, TreeNode *Parent)
{
    Dir1.setFolder(folder);
    List1 = Dir1.names();
    if (Parent)
        DirTree->addChildren(Parent, Dir1.Path() + u'\\', List1, u"folder"_s, u"open"_s,
                             Dir1.leadingBack());
    List1.clear();
}

bool frmMain::liesInSystemFolder(const TreeNode &node) const
{
    TreeNode::PathBuffer fullPath;
    node.writeFullPath(fullPath);
    const std::optional<QString> folder =
        folderPathOf(QStringView(fullPath.constData(), fullPath.size()));
    try {
        return folder && platform_.isInSystemFolder(*platform_.openFolder(*folder));
    } catch (const std::exception &) {
        return false; // what cannot be opened cannot be shown either
    }
}

void frmMain::DirTree_NodeClick(TreeNode *Node)
{
    if (!Node)
        return;
    const bool driveNode = Node->keyStartsWith(u"root");
    // Node texts never change, so the folder path worked out once serves every step. The
    // enumerators take it with or without its final "\" alike.
    TreeNode::PathBuffer fullPath;
    Node->writeFullPath(fullPath);
    const QString folder =
        folderPathOf(QStringView(fullPath.constData(), fullPath.size())).value_or(QString());
    // Every step below is dropped on failure and the next one runs.
    const auto step = [](auto &&action) {
        try {
            action();
        } catch (const std::exception &) {
        }
    };

    // The folder is opened once, and every step acts on what was opened. Where it cannot be
    // opened, the enumerators stay on the folder they had.
    OpenFolder opened;
    step([&] { opened = platform_.openFolder(folder); });

    bool loaded = false;
    if (driveNode) {
        if (Node->Children() > 0)
            loaded = true;
        else if (opened)
            step([&] { DisplayDir(opened, Node); });
    }

    if (!loaded) {
        if (opened)
            Dir1.setFolder(opened);

        TreeNode *selected = DirTree->SelectedItem();
        const bool isWindowsFolder = WinPath == Dir1.Path();
        const bool isWindowsName = selected && protectedFolderName(WinPath) == selected->Text();
        // Reached through a link or a mount, the system's folder is refused all the same. The
        // look-ahead of an expansion only reads the names of subfolders, which is harmless.
        const bool inSystemFolder = !Expanding && opened && platform_.isInSystemFolder(*opened);
        if ((isWindowsFolder && isWindowsName) || inSystemFolder) {
            MsgBox(protectedFolderMessage(), Critical, u"Error"_s);
            if (selected && selected->Parent())
                DirTree->setSelectedItem(selected->Parent());
            step([&] { UpdateFolderIcons(); });
            return;
        }

        // A link back to a folder above would hold that folder again, and so on without end.
        if (Node->Children() == 0 && !Node->leadsBack() && opened)
            step([&] { DisplayDir(opened, Node); });
    }

    if (opened)
        Dir1.setFolder(opened);
    step([&] { UpdateFolderIcons(); });
    if (opened)
        File1.setFolder(opened);
    // A drive root reads back just as it was set; it is refilled all the same, so that the
    // list always shows the folder the rename command works in.
    if (!Expanding)
        step([&] { DisplayFiles(); });
}

void frmMain::UpdateFolderIcons()
{
    TreeNode *selected = DirTree->SelectedItem();
    if (!selected)
        return;
    if (selected->Image() == u"folder")
        selected->setImage(u"open"_s);
    // Only a node showing "open" can be stale: looking at those alone, in index order, finds
    // the same node as walking the whole tree.
    const QString selectedText = selected->Text();
    for (TreeNode *node : DirTree->nodesWithImage(u"open"_s)) {
        if ((!node->Expanded() || node->Children() == 0) && node->Text() != selectedText) {
            node->setImage(u"folder"_s);
            return;
        }
    }
}

void frmMain::DirTree_Expand(TreeNode *Node)
{
    const Busy busy(*this);
    Expanding = true;
    const auto done = qScopeGuard([this] { Expanding = false; });
    DirTree->setSelectedItem(Node);

    TreeNode *selected = DirTree->SelectedItem();
    if (selected &&
        (protectedFolderName(WinPath) == selected->Text() || liesInSystemFolder(*selected))) {
        MsgBox(protectedFolderMessage(), Critical, u"Error"_s);
        DirTree->collapseQuietly(selected);
        if (TreeNode *parent =
                DirTree->SelectedItem() ? DirTree->SelectedItem()->Parent() : nullptr)
            DirTree->setSelectedItem(parent);
        return;
    }

    // Load each child's subfolders, so that every child shows whether it has any.
    if (TreeNode *child = Node->Child()) {
        const qsizetype last = child->LastSibling()->Index();
        const qsizetype first = child->FirstSibling()->Index();
        pbStatus->setMax(int(last));
        for (qsizetype j = first; j <= last; ++j) {
            DirTree_NodeClick(DirTree->node(j));
            pbStatus->setValue(int(j));
        }
        pbStatus->setValue(0);
    }

    Expanding = false;
    DirTree_NodeClick(Node);
    Node->setSelected(true);
}

void frmMain::DirTree_Collapse(TreeNode *Node)
{
    DirTree_NodeClick(Node);
}

} // namespace brindlewick
