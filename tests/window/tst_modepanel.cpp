// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browsing/NodeTree.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

// The four states of the panel: attach begin, attach end, replace, replace with case.
enum class State { A, B, C, D };

void verifyState(const frmMain &w, State state)
{
    const bool attach = state == State::A || state == State::B;
    QCOMPARE(w.renameOption, int(state) + 1);
    QCOMPARE(w.optAttachBegin->isChecked(), state == State::A);
    QCOMPARE(w.optAttachEnd->isChecked(), state == State::B);
    QCOMPARE(w.optReplace->isChecked(), !attach);
    QCOMPARE(w.Label1->isVisible(), attach);
    QCOMPARE(w.Label2->isVisible(), !attach);
    QCOMPARE(w.Label3->isVisible(), !attach);
    QVERIFY(w.Text1->isVisible());
    QCOMPARE(w.Text2->isVisible(), !attach);
    QCOMPARE(w.Text1->width(), twipsToPixels(attach ? 3135 : 1575));
    QVERIFY(w.chkCase->isVisible());
    QCOMPARE(w.chkCase->isEnabled(), !attach);
    QCOMPARE(w.chkCase->isChecked(), state == State::D);
}

void typeTexts(frmMain &w)
{
    w.Text1->setText(u" old "_s);
    w.Text2->setText(u"new"_s);
}

void enter(frmMain &w, State state)
{
    switch (state) {
    case State::A:
        w.optAttachBegin->click();
        break;
    case State::B:
        w.optAttachEnd->click();
        break;
    case State::C:
        if (w.optReplace->isChecked())
            w.chkCase->click(); // from D
        else
            w.optReplace->click();
        break;
    case State::D:
        if (!w.optReplace->isChecked())
            w.optReplace->click();
        w.chkCase->click();
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
    WindowFixture f;
    frmMain &w = f.window;
    w.show();
    if (from != State::A)
        enter(w, from);
    verifyState(w, from);

    typeTexts(w);
    enter(w, to);
    verifyState(w, to);
    QCOMPARE(w.Text1->text(), textsEmptied ? QString() : u" old "_s);
    QCOMPARE(w.Text2->text(), textsEmptied ? QString() : u"new"_s);
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void ModePanelTest::boxIsClearAfterComingBackFromAttach()
{
    WindowFixture f;
    frmMain &w = f.window;
    w.show();
    enter(w, State::D);
    enter(w, State::B);
    verifyState(w, State::B);
    w.optReplace->click();
    verifyState(w, State::C);
}

void ModePanelTest::greyedBoxIgnoresClicks()
{
    WindowFixture f;
    frmMain &w = f.window;
    w.show();
    typeTexts(w);
    w.chkCase->click();
    QTest::mouseClick(w.chkCase, Qt::LeftButton);
    verifyState(w, State::A);
    QCOMPARE(w.Text1->text(), u" old "_s);

    // Choosing the option already chosen changes nothing either.
    w.optAttachBegin->click();
    verifyState(w, State::A);
    QCOMPARE(w.Text1->text(), u" old "_s);
}

void ModePanelTest::programChangeOfTheBoxEndsInTheAttachMode()
{
    WindowFixture f;
    frmMain &w = f.window;
    w.show();
    enter(w, State::D);
    // Called directly, as the program does, with the box still ticked.
    w.optAttachEnd->setChecked(true);
    verifyState(w, State::B);
    enter(w, State::D);
    w.optAttachBegin_Click();
    QCOMPARE(w.renameOption, 1);
    QVERIFY(!w.chkCase->isChecked());
    QVERIFY(!w.chkCase->isEnabled());
}

QTEST_MAIN(ModePanelTest)
#include "tst_modepanel.moc"
