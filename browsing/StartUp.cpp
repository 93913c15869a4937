// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the drives, the first drive opened, its files listed.
#include "browsing/NodeTree.h"
#include "browsing/TreeText.h"
#include "platform/Platform.h"
#include "window/ProgramIcon.h"
#include "window/frmMain.h"

namespace brindlewick
{

using namespace Qt::StringLiterals;

void frmMain::Form_Load()
{
    // A machine without a drive C: still gets its window, with what there is.
    try {
        Dir1.setPath(u"C:\\"_s);
    } catch (const std::exception &) {
    }
    try {
        File1.setPath(u"C:\\"_s);
    } catch (const std::exception &) {
    }
    renameOption = 1;
    const QString windowsDirectory = platform_.windowsDirectory();
    WinPath = windowsDirectory.left(windowsDirectory.indexOf(QChar(0)));
    DisplayDrives();
    if (TreeNode *first = DirTree->node(1))
        first->setExpanded(true);
    runHandler("DisplayFiles", [this] { DisplayFiles(); });
    setWindowIcon(programIcon());
}

void frmMain::DisplayDrives()
{
    for (char16_t code = u'A'; code <= u'Z'; ++code) {
        const QChar letter(code);
        const QString key = u"root"_s + QString::number(int(code));
        try {
            if (platform_.driveType(letter + u":\\"_s) != DriveType::Fixed)
                continue;
            const QString label = platform_.volumeLabel(letter + u":"_s);
            DirTree->add(nullptr, {key, driveNodeText(label, letter), u"fixed"_s, {}});
        } catch (const std::exception &) {
            continue; // a drive whose label cannot be read is left out
        }
        try {
            TreeNode *drive = DirTree->node(key);
            const QString text = drive->Text();
            DisplayDir(text.mid(text.size() - 3, 2), drive);
        } catch (const std::exception &) {
        }
    }
}

} // namespace brindlewick
