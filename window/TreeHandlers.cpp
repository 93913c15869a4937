// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder tree: the drives, subfolders loaded one level ahead of what the user opens, the
// current folder chosen by a click, and the operating system's folder refused.
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/frmMain.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <optional>

namespace brindlewick
{

using namespace Qt::StringLiterals;

namespace
{

// Every step of a click is dropped on failure, and the next one runs.
template<typename Action> void step(Action &&action)
{
    try {
        action();
    } catch (const std::exception &) {
    }
}

} // namespace

void frmMain::DisplayDrives()
{
    for (const FolderBrowser::DriveNode &drive : browser_.fixedDrives()) {
        step([&] {
            TreeNode *node = DirTree->add(nullptr, {drive.key, drive.text, u"fixed"_s, {}});
            DisplayDir(drive.text.mid(drive.text.size() - 3, 2), node);
        });
    }
}

void frmMain::DisplayDir(QString Pth, TreeNode *Parent)
{
    Pth += u'\\';
    // Where the folder cannot be opened, the enumerator still stands on another folder, whose
    // subfolders are not this one's.
    if (const OpenFolder folder = browser_.openFolder(Pth))
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

OpenFolder frmMain::openNodeFolder(const TreeNode &node, FolderBrowser::OpenFor purpose)
{
    TreeNode::PathBuffer fullPath;
    node.writeFullPath(fullPath);
    return browser_.openNodeFolder(QStringView(fullPath.constData(), fullPath.size()), purpose);
}

void frmMain::refuseSystemFolder()
{
    MsgBox(tr("Brindlewick will not edit known system files!"), Critical, tr("Error"));
}

void frmMain::DirTree_NodeClick(TreeNode *Node)
{
    if (!Node)
        return;
    // The folder is opened once, and every step acts on what was opened. Where it cannot be
    // opened, the enumerators stay on the folder they had.
    clickNode(*Node, openNodeFolder(*Node, Expanding ? FolderBrowser::OpenFor::LookAhead
                                                     : FolderBrowser::OpenFor::User));
}

void frmMain::clickNode(TreeNode &Node, const OpenFolder &opened)
{
    if (Expanding) {
        lookAhead(Node, opened);
        return;
    }
    // A folder that cannot be opened shows no files: never those of the folder shown before,
    // as if they were its own, for the rename command to work on.
    if (!opened) {
        File1.setFolder(nullptr);
        step([&] { UpdateFolderIcons(); });
        step([&] { DisplayFiles(); });
        return;
    }

    Dir1.setFolder(opened);
    // A drive node is refused like any other: the system folder's file system may be mounted
    // again elsewhere.
    const TreeNode *selected = DirTree->SelectedItem();
    const std::optional<QString> selectedText =
        selected ? std::optional(selected->Text()) : std::nullopt;
    if (browser_.refusesClick(Dir1.Path(), selectedText, opened)) {
        refuseSystemFolder();
        if (selected && selected->Parent())
            DirTree->setSelectedItem(selected->Parent());
        step([&] { UpdateFolderIcons(); });
        return;
    }

    // A link back to a folder above would hold that folder again, and so on without end.
    if (Node.Children() == 0 && !Node.leadsBack())
        step([&] { DisplayDir(opened, &Node); });
    Dir1.setFolder(opened);
    step([&] { UpdateFolderIcons(); });
    File1.setFolder(opened);
    // A drive root reads back just as it was set; it is refilled all the same, so that the
    // list always shows the folder the rename command works in.
    step([&] { DisplayFiles(); });
}

void frmMain::lookAhead(TreeNode &Node, const OpenFolder &opened)
{
    // Only the names of the child's subfolders are read, which is harmless wherever they are:
    // no refusal, and the enumerators are left where they stood, never on a child.
    const OpenFolder pointedAt = Dir1.folder();
    const auto back = qScopeGuard([&] { Dir1.setFolder(pointedAt); });
    if (opened && Node.Children() == 0 && !Node.leadsBack())
        step([&] { DisplayDir(opened, &Node); });
    step([&] { UpdateFolderIcons(); });
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

    // The expanded folder is opened once: for its refusal here and for its click at the end.
    TreeNode *selected = DirTree->SelectedItem();
    const OpenFolder opened =
        selected ? openNodeFolder(*selected, FolderBrowser::OpenFor::User) : nullptr;
    if (selected && browser_.refusesExpansion(selected->Text(), opened)) {
        refuseSystemFolder();
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
    clickNode(*Node,
              selected == Node ? opened : openNodeFolder(*Node, FolderBrowser::OpenFor::User));
    Node->setSelected(true);
}

void frmMain::DirTree_Collapse(TreeNode *Node)
{
    DirTree_NodeClick(Node);
}

} // namespace brindlewick
