// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/NodeTree.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

// The four states of the panel: attach begin, attach end, replace, replace with case.
enum class State { A, B, C, D };

// The window started over a folder listing "aA.txt", which tells the mode in effect.
struct Panel : WindowFixture {
    Panel()
    {
        makeFiles(u"C:"_s, {u"aA.txt"_s});
        start();
    }
};

void verifyState(Panel &f, State state)
{
    const WindowControls &c = f.ui;
    const bool attach = state == State::A || state == State::B;
    QCOMPARE(f.modeInEffect(), int(state) + 1);
    QCOMPARE(c.optAttachBegin->isChecked(), state == State::A);
    QCOMPARE(c.optAttachEnd->isChecked(), state == State::B);
    QCOMPARE(c.optReplace->isChecked(), !attach);
    QCOMPARE(c.Label1->isVisible(), attach);
    QCOMPARE(c.Label2->isVisible(), !attach);
    QCOMPARE(c.Label3->isVisible(), !attach);
    QVERIFY(c.Text1->isVisible());
    QCOMPARE(c.Text2->isVisible(), !attach);
    QCOMPARE(c.Text1->width(), twipsToPixels(attach ? 3135 : 1575));
    QVERIFY(c.chkCase->isVisible());
    QCOMPARE(c.chkCase->isEnabled(), !attach);
    QCOMPARE(c.chkCase->isChecked(), state == State::D);
}

void typeTexts(const WindowControls &c)
{
    c.Text1->setText(u" old "_s);
    c.Text2->setText(u"new"_s);
}

void enter(const WindowControls &c, State state)
{
    switch (state) {
    case State::A:
        c.optAttachBegin->click();
        break;
    case State::B:
        c.optAttachEnd->click();
        break;
    case State::C:
        if (c.optReplace->isChecked())
            c.chkCase->click(); // from D
        else
            c.optReplace->click();
        break;
    case State::D:
        if (!c.optReplace->isChecked())
            c.optReplace->click();
        c.chkCase->click();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(State)

class ModePanelTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transitions_data();
    void transitions();
    void boxIsClearAfterComingBackFromAttach();
    void greyedBoxIgnoresClicks();
    void programChangeOfTheBoxEndsInTheAttachMode();
    void modeStaysWhileABoxAsks_data();
    void modeStaysWhileABoxAsks();
};

void ModePanelTest::transitions_data()
{
    QTest::addColumn<State>("from");
    QTest::addColumn<State>("to");
    QTest::addColumn<bool>("textsEmptied");
    QTest::newRow("A to B") << State::A << State::B << true;
    QTest::newRow("B to A") << State::B << State::A << true;
    QTest::newRow("A to C") << State::A << State::C << true;
    QTest::newRow("B to C") << State::B << State::C << true;
    QTest::newRow("C to D") << State::C << State::D << false;
    QTest::newRow("D to C") << State::D << State::C << false;
    QTest::newRow("C to A") << State::C << State::A << true;
    QTest::newRow("C to B") << State::C << State::B << true;
    QTest::newRow("D to A") << State::D << State::A << true;
    QTest::newRow("D to B") << State::D << State::B << true;
}

void ModePanelTest::transitions()
{
    QFETCH(State, from);
    QFETCH(State, to);
    QFETCH(bool, textsEmptied);
    Panel f;
    const WindowControls &c = f.ui;
    if (from != State::A)
        enter(c, from);
    verifyState(f, from);

    typeTexts(c);
    enter(c, to);
    verifyState(f, to);
    QCOMPARE(c.Text1->text(), textsEmptied ? QString() : u" old "_s);
    QCOMPARE(c.Text2->text(), textsEmptied ? QString() : u"new"_s);
    // The panel itself shows no box: those seen asked for the mode in effect.
    for (const RecordedBox &box : f.dialogs.boxes())
        QCOMPARE(box.title, u"Renaming Files..."_s);
}

void ModePanelTest::boxIsClearAfterComingBackFromAttach()
{
    Panel f;
    const WindowControls &c = f.ui;
    enter(c, State::D);
    enter(c, State::B);
    verifyState(f, State::B);
    c.optReplace->click();
    verifyState(f, State::C);
}

void ModePanelTest::greyedBoxIgnoresClicks()
{
    Panel f;
    const WindowControls &c = f.ui;
    typeTexts(c);
    c.chkCase->click();
    QTest::mouseClick(c.chkCase, Qt::LeftButton);
    verifyState(f, State::A);
    QCOMPARE(c.Text1->text(), u" old "_s);

    // Choosing the option already chosen changes nothing either.
    c.optAttachBegin->click();
    verifyState(f, State::A);
    QCOMPARE(c.Text1->text(), u" old "_s);
}

void ModePanelTest::programChangeOfTheBoxEndsInTheAttachMode()
{
    Panel f;
    const WindowControls &c = f.ui;
    enter(c, State::D);
    // Called directly, as the program does, with the box still ticked.
    c.optAttachEnd->setChecked(true);
    verifyState(f, State::B);
    enter(c, State::D);
    f.window.optAttachBegin_Click();
    QCOMPARE(f.modeInEffect(), 1);
    QVERIFY(!c.chkCase->isChecked());
    QVERIFY(!c.chkCase->isEnabled());
}

void ModePanelTest::modeStaysWhileABoxAsks_data()
{
    QTest::addColumn<State>("from");
    QTest::addColumn<QString>("pressed"); // by a screen reader, while the confirmation is up
    QTest::newRow("attach at the end") << State::A << u"optAttachEnd"_s;
    QTest::newRow("replace") << State::A << u"optReplace"_s;
    QTest::newRow("attach at the beginning") << State::D << u"optAttachBegin"_s;
    QTest::newRow("case") << State::D << u"chkCase"_s;
}

void ModePanelTest::modeStaysWhileABoxAsks()
{
    QFETCH(State, from);
    QFETCH(QString, pressed);
    Panel f;
    const WindowControls &c = f.ui;
    enter(c, from);
    auto *control = f.window.findChild<QAbstractButton *>(pressed);
    QVERIFY(control);
    f.select({u"aA.txt"_s});
    if (from == State::D)
        f.expectNotice(); // " old " is in no name
    f.expectConfirmation(MsgBoxAnswer::No, std::nullopt, [control] {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    });
    typeTexts(c);
    c.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    verifyState(f, from);
    QCOMPARE(c.Text1->text(), u" old "_s);
}

QTEST_MAIN(ModePanelTest)
#include "tst_modepanel.moc"
