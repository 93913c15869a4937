// The folder tree: subfolders loaded one level ahead of what the user opens, the current
// folder chosen by a click, and the operating system's folder refused.
#include "browsing/NodeTree.h"
#include "browsing/TreeText.h"
#include "window/Dialogs.h"
#include "window/ProgressMeter.h"
#include "window/frmMain.h"

#include <QScopeGuard>

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
    try {
        Dir1.setPath(Pth);
    } catch (const std::exception &) {
        // The enumerator still stands on another folder, whose subfolders are not this one's.
        return;
    }
    List1 = Dir1.names();
    // The keys begin with the read-back path and "\", which Pth mostly is already.
    const QString readBack = Dir1.Path();
    const bool sameHead = Pth.size() == readBack.size() + 1 && Pth.startsWith(readBack);
    const QString keyHead = sameHead ? Pth : readBack + u'\\';
    if (Parent)
        DirTree->addChildren(Parent, keyHead, List1, u"folder"_s, u"open"_s);
    List1.clear();
}

void frmMain::DirTree_NodeClick(TreeNode *Node)
{
    if (!Node)
        return;
    const bool driveNode = Node->keyStartsWith(u"root");
    // The click points the folder enumerator at one folder three times over.
    Dir1.setTrustChecked(true);
    const auto distrust = qScopeGuard([this] { Dir1.setTrustChecked(false); });
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

    bool loaded = false;
    if (driveNode) {
        if (Node->Children() > 0) {
            loaded = true;
        } else {
            const QString text = Node->Text();
            step([&] { DisplayDir(text.mid(text.size() - 3, 2), Node); });
        }
    }

    if (!loaded) {
        step([&] { Dir1.setPath(folder); });

        TreeNode *selected = DirTree->SelectedItem();
        const bool isWindowsFolder = WinPath == Dir1.Path();
        const bool isWindowsName = selected && protectedFolderName(WinPath) == selected->Text();
        if (isWindowsFolder && isWindowsName) {
            dialogs_.MsgBox(protectedFolderMessage(), Critical, u"Error"_s);
            if (TreeNode *parent = selected->Parent())
                DirTree->setSelectedItem(parent);
            step([&] { UpdateFolderIcons(); });
            return;
        }

        if (Node->Children() == 0)
            step([&] { DisplayDir(folder, Node); });
    }

    step([&] { Dir1.setPath(folder); });
    step([&] { UpdateFolderIcons(); });
    step([&] { File1.setPath(folder, Dir1); });
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
    Expanding = true;
    const auto done = qScopeGuard([this] { Expanding = false; });
    DirTree->setSelectedItem(Node);

    TreeNode *selected = DirTree->SelectedItem();
    if (selected && protectedFolderName(WinPath) == selected->Text()) {
        dialogs_.MsgBox(protectedFolderMessage(), Critical, u"Error"_s);
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
