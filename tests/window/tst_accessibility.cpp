// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : u"<none>"_s;
}

QAccessible::Role roleOf(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

QString description(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

// The column headers a screen reader would read out: the visible ones, by name.
QStringList spokenHeaders(QWidget *view)
{
    QStringList headers;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface *child = accessible->child(i);
        if (child->role() == QAccessible::ColumnHeader &&
            !(child->state().invisible && child->text(QAccessible::Name).isEmpty()))
            headers.append(child->text(QAccessible::Name));
    }
    return headers;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasItsNameAndRole();
    void textBoxesAreNamedByTheLabelShown();
    void listIsATableOfFilesDescribedByItsSelection();
};

void AccessibilityTest::everyControlHasItsNameAndRole()
{
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();

    const struct {
        QWidget *control;
        QString name;
        QAccessible::Role role;
    } expected[] = {
        {&w, u"Brindlewick"_s, QAccessible::Window},
        {c.lsList, u"Files"_s, QAccessible::Table},
        {c.Text1, u"Text to add"_s, QAccessible::EditableText},
        {c.optAttachBegin, u"Attach to Beginning"_s, QAccessible::RadioButton},
        {c.optAttachEnd, u"Attach to End"_s, QAccessible::RadioButton},
        {c.optReplace, u"Replace Text"_s, QAccessible::RadioButton},
        {c.chkCase, u"Case Sensitive"_s, QAccessible::CheckBox},
        {c.DirTree, u"Drives and folders"_s, QAccessible::Tree},
        {c.pbStatus->bar(), u"Progress"_s, QAccessible::ProgressBar},
        {c.cmdRename, u"Rename Files"_s, QAccessible::Button},
    };
    for (const auto &[control, name, role] : expected) {
        QCOMPARE(spokenName(control), name);
        QCOMPARE(roleOf(control), role);
    }
}

void AccessibilityTest::textBoxesAreNamedByTheLabelShown()
{
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();
    c.optReplace->click();
    QCOMPARE(spokenName(c.Text1), u"Text to replace"_s);
    QCOMPARE(spokenName(c.Text2), u"Replace with"_s);
    c.optAttachEnd->click();
    QCOMPARE(spokenName(c.Text1), u"Text to add"_s);
}

void AccessibilityTest::listIsATableOfFilesDescribedByItsSelection()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    f.start();
    ReportList *list = f.ui.lsList;
    QCOMPARE(spokenHeaders(list), QStringList{u"Name"_s});
    QCOMPARE(spokenHeaders(f.ui.DirTree), QStringList());
    QCOMPARE(description(list), u"3 files, 0 selected"_s);
    f.select({u"a.txt"_s, u"c.txt"_s});
    QCOMPARE(description(list), u"3 files, 2 selected"_s);

    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.rename(f.ui.optAttachBegin, u"x"_s);
    QCOMPARE(description(list), u"3 files, 0 selected"_s);
    f.window.lsSelAll_Click();
    QCOMPARE(description(list), u"3 files, 3 selected"_s);
    f.showFolder(u"D:\\"_s);
    QCOMPARE(description(list), u"0 files, 0 selected"_s);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
