#include "browsing/NodeTree.h"
#include "support/WindowFixture.h"
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

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasItsNameAndRole();
    void textBoxesAreNamedByTheLabelShown();
};

void AccessibilityTest::everyControlHasItsNameAndRole()
{
    WindowFixture f;
    frmMain &w = f.window;
    w.show();

    const struct {
        QWidget *control;
        QString name;
        QAccessible::Role role;
    } expected[] = {
        {w.lsList, u"Files"_s, QAccessible::Tree},
        {w.Text1, u"Text to add"_s, QAccessible::EditableText},
        {w.optAttachBegin, u"Attach to Beginning"_s, QAccessible::RadioButton},
        {w.optAttachEnd, u"Attach to End"_s, QAccessible::RadioButton},
        {w.optReplace, u"Replace Text"_s, QAccessible::RadioButton},
        {w.chkCase, u"Case Sensitive"_s, QAccessible::CheckBox},
        {w.DirTree, u"Drives and folders"_s, QAccessible::Tree},
        {w.pbStatus->bar(), u"Progress"_s, QAccessible::ProgressBar},
        {w.cmdRename, u"Rename Files"_s, QAccessible::Button},
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
    w.show();
    w.optReplace->click();
    QCOMPARE(spokenName(w.Text1), u"Text to replace"_s);
    QCOMPARE(spokenName(w.Text2), u"Replace with"_s);
    w.optAttachEnd->click();
    QCOMPARE(spokenName(w.Text1), u"Text to add"_s);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
