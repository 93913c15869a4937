// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/StoppableMount.h"
#include "support/WindowFixture.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

const QString folder = u"C:\\work"_s;

// The window showing a folder of these files, each holding "was " and its own name.
struct Workbench : WindowFixture {
    explicit Workbench(const QStringList &names)
    {
        makeFiles(folder, names);
        showFolder(folder);
        originalContents = drives.contentsIn(folder);
    }

    QStringList onDisk() const { return drives.entriesOf(folder); }
    // However the renaming went, every file is still there with what it held.
    void verifyNothingLost() const { QCOMPARE(drives.contentsIn(folder), originalContents); }

    QStringList originalContents;
};

} // namespace

class RenameHandlersTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void guardsEndTheCommandSilently();
    void attachAtBeginningOnYes();
    void answeringNoRenamesNothing();
    void replaceIgnoringCaseWithNotice();
    void takenNameStopsAtThatFile();
    void failedFlushShowsTheNamesOnDisk();
    void renamesTheSelectionAsClicked();
    void paintsButTakesNoInputWhileRenaming();
    void closingWaitsForTheRenamingToEnd();
    void stoppedFileSystemEndsTheRenamingInTime_data();
    void stoppedFileSystemEndsTheRenamingInTime();
};

void RenameHandlersTest::guardsEndTheCommandSilently()
{
    Workbench f({u"a.txt"_s, u"b.txt"_s});
    f.select({u"a.txt"_s});
    f.rename(f.ui.optAttachBegin, QString());
    f.rename(f.ui.optReplace, QString(), u"x"_s);

    f.ui.lsList->clearSelection();
    f.rename(f.ui.optAttachEnd, u"x"_s);
    QVERIFY(f.dialogs.boxes().isEmpty());
    QCOMPARE(f.onDisk(), (QStringList{u"a.txt"_s, u"b.txt"_s}));
}

void RenameHandlersTest::attachAtBeginningOnYes()
{
    Workbench f({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s, u"d.txt"_s, u"e.txt"_s});
    f.select({u"b.txt"_s, u"d.txt"_s, u"e.txt"_s});
    f.expectConfirmation(MsgBoxAnswer::Yes, u"Warning:  There is no undo!\r\n\r\n"
                                            "Renamed Files:\r\n"
                                            "    new_b.txt\r\n"
                                            "    new_d.txt\r\n"
                                            "    new_e.txt\r\n"
                                            "        (etcetera)\r\n"
                                            "\r\n"
                                            "Do you wish to continue?"_s);
    f.expectSuccess([&] {
        QCOMPARE(f.ui.pbStatus->bar()->value(), 0);
        QCOMPARE(f.ui.pbStatus->bar()->maximum(), 3);
    });
    QSignalSpy progress(f.ui.pbStatus, &ProgressMeter::valueSet);
    f.rename(f.ui.optAttachBegin, u"new_"_s);

    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.onDisk(),
             (QStringList{u"a.txt"_s, u"c.txt"_s, u"new_b.txt"_s, u"new_d.txt"_s, u"new_e.txt"_s}));
    f.verifyNothingLost();
    // The renaming counts 1 to 3 and ends at 0, then the refilled list counts its five.
    QCOMPARE(valuesSeen(progress), (QList<int>{1, 2, 3, 0, 1, 2, 3, 4, 5, 0}));
    QCOMPARE(f.listed(), f.onDisk());
    QVERIFY(f.ui.lsList->selectedPositions().empty());
    QVERIFY(f.ui.Text1->text().isEmpty());
}

void RenameHandlersTest::answeringNoRenamesNothing()
{
    Workbench f({u"one.txt"_s, u"two.txt"_s});
    f.select({u"one.txt"_s, u"two.txt"_s});
    f.expectConfirmation(MsgBoxAnswer::No);
    f.rename(f.ui.optAttachEnd, u"_v2"_s);
    QCOMPARE(f.onDisk(), (QStringList{u"one.txt"_s, u"two.txt"_s}));
    QCOMPARE(f.ui.Text1->text(), u"_v2"_s);
    QCOMPARE(f.dialogs.boxes().size(), 1);

    // Asked again, the names are planned afresh: the text is attached once.
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.ui.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.onDisk(), (QStringList{u"one_v2.txt"_s, u"two_v2.txt"_s}));
}

void RenameHandlersTest::replaceIgnoringCaseWithNotice()
{
    const QStringList names = {u"other.jpg"_s, u"Photo1.jpg"_s, u"photo2.PHOTO"_s};
    Workbench f(names);
    f.select(names);
    f.expectNotice();
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.rename(f.ui.optReplace, u"PHOTO"_s, u"pic"_s);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.onDisk(), (QStringList{u"other.jpg"_s, u"pic1.jpg"_s, u"pic2.PHOTO"_s}));
    QVERIFY(f.ui.Text1->text().isEmpty());
    QVERIFY(f.ui.Text2->text().isEmpty());
}

void RenameHandlersTest::takenNameStopsAtThatFile()
{
    const QStringList names = {u"1.txt"_s, u"2.txt"_s, u"3.txt"_s,
                               u"4.txt"_s, u"5.txt"_s, u"x3.txt"_s};
    Workbench f(names);
    f.select(names.mid(0, 5));
    f.expectConfirmation(MsgBoxAnswer::Yes);
    // While the box is up, the bar shows how far the renaming came, not its last repaint.
    f.expectError([&] { QCOMPARE(f.ui.pbStatus->bar()->value(), 2); });
    f.rename(f.ui.optAttachBegin, u"x"_s);
    QVERIFY(f.dialogs.allAnswered());
    f.verifyNothingLost();
    QVERIFY(f.dialogs.boxes().last().details.startsWith(
        u"File: 3.txt\r\nNew name: x3.txt\r\nReason: "_s));
    // The renamed files show their new names and leave the selection; the rest and the text
    // stay for the command given again.
    QCOMPARE(f.listed(), (QStringList{u"x1.txt"_s, u"x2.txt"_s, u"3.txt"_s, u"4.txt"_s, u"5.txt"_s,
                                      u"x3.txt"_s}));
    QCOMPARE(f.ui.lsList->selectedPositions(), (std::vector<qsizetype>{3, 4, 5}));
    QCOMPARE(f.ui.Text1->text(), u"x"_s);

    // Once the taken name is free, the same command goes on with the rest.
    QVERIFY(QFile::rename(f.drives.native(folder + u"\\x3.txt"_s),
                          f.drives.native(folder + u"\\y3.txt"_s)));
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.ui.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.onDisk(), (QStringList{u"x1.txt"_s, u"x2.txt"_s, u"x3.txt"_s, u"x4.txt"_s,
                                      u"x5.txt"_s, u"y3.txt"_s}));
}

void RenameHandlersTest::failedFlushShowsTheNamesOnDisk()
{
    Workbench f({u"a.txt"_s, u"b.txt"_s});
    f.platform.flushFailure = u"Input/output error"_s;
    f.select({u"a.txt"_s, u"b.txt"_s});
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectError();
    f.rename(f.ui.optAttachBegin, u"x"_s);
    QVERIFY(f.dialogs.allAnswered());
    QVERIFY(f.dialogs.boxes().last().details.startsWith(u"Every file was renamed"_s));
    QCOMPARE(f.listed(), (QStringList{u"xa.txt"_s, u"xb.txt"_s}));
    QVERIFY(f.ui.lsList->selectedPositions().empty());
}

void RenameHandlersTest::renamesTheSelectionAsClicked()
{
    Workbench f({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    f.select({u"a.txt"_s});
    // Whatever becomes of the selection once the command has begun, it renames what it read.
    f.expectConfirmation(MsgBoxAnswer::Yes, std::nullopt, [&] {
        f.ui.lsList->clearSelection();
        f.select({u"b.txt"_s, u"c.txt"_s});
    });
    f.expectSuccess();
    f.rename(f.ui.optAttachBegin, u"x"_s);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.onDisk(), (QStringList{u"b.txt"_s, u"c.txt"_s, u"xa.txt"_s}));
}

void RenameHandlersTest::paintsButTakesNoInputWhileRenaming()
{
    Workbench f({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    const WindowControls &c = f.ui;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.select({u"a.txt"_s, u"b.txt"_s});
    const BusyPaints paints(f.window, c.lsList->viewport());
    // As the box goes, the window has events waiting: the place of the box to repaint. Keys
    // and mouse buttons come while the files are renamed.
    bool waitingRan = false;
    f.expectConfirmation(MsgBoxAnswer::Yes, std::nullopt, [&] {
        QTimer::singleShot(0, &f.window, [&] {
            waitingRan = true;
            c.lsList->viewport()->update();
        });
        c.cmdRename->click(); // a screen reader's press, while the box asks
    });
    connect(c.pbStatus, &ProgressMeter::valueSet, &f.window, [&](int value) {
        if (value != 1)
            return;
        QCoreApplication::postEvent(
            c.lsList, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier));
        QCoreApplication::postEvent(c.Text1,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, {}, u"z"_s));
        // The right button on the third file would select it alone, then open the menu.
        const QPoint third = c.lsList->visualRect(c.lsList->model()->index(2, 0)).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                c.lsList->viewport(), new QMouseEvent(type, third, third, Qt::RightButton, {}, {}));
        // A press that is no input, as a screen reader's, would start a second command inside.
        QTimer::singleShot(0, c.cmdRename, &QPushButton::click);
    });
    f.expectSuccess([&] {
        QVERIFY(waitingRan);
        QVERIFY(paints.count() > 0);
        QCOMPARE(c.lsList->selectedPositions(), (std::vector<qsizetype>{1, 2}));
        QCOMPARE(c.Text1->text(), u"x"_s);
    });
    f.rename(c.optAttachBegin, u"x"_s);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.onDisk(), (QStringList{u"c.txt"_s, u"xa.txt"_s, u"xb.txt"_s}));
    QVERIFY(!f.window.isBusy());
}

void RenameHandlersTest::closingWaitsForTheRenamingToEnd()
{
    const QStringList names = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    Workbench f(names);
    f.select(names);
    bool closedAtOnce = true;
    connect(f.ui.pbStatus, &ProgressMeter::valueSet, &f.window, [&](int value) {
        if (value == 1)
            closedAtOnce = f.window.close();
    });
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess([&] { QVERIFY(f.window.isVisible()); });
    f.rename(f.ui.optAttachEnd, u"_1"_s);
    QVERIFY(!closedAtOnce);
    QCOMPARE(f.onDisk(), (QStringList{u"a_1.txt"_s, u"b_1.txt"_s, u"c_1.txt"_s}));
    QTRY_VERIFY(!f.window.isVisible());
}

void RenameHandlersTest::stoppedFileSystemEndsTheRenamingInTime_data()
{
    QTest::addColumn<bool>("closed"); // the window closed while it waits
    QTest::newRow("waited out") << false;
    QTest::newRow("closed meanwhile") << true;
}

void RenameHandlersTest::stoppedFileSystemEndsTheRenamingInTime()
{
    QFETCH(bool, closed);
    WindowFixture f;
    f.make({u"C:\\mnt"_s}, {u"C:\\source\\work\\a.txt"_s, u"C:\\source\\work\\b.txt"_s});
    StoppableMount mount(f.drives.native(u"C:\\source"_s), f.drives.native(u"C:\\mnt"_s));
    if (!mount.isMounted())
        QSKIP(qPrintable(mount.whyNot()));
    const std::chrono::milliseconds patience(1000);
    f.drives.platform().setPatience(patience);
    f.showFolder(u"C:\\mnt\\work"_s);
    f.select({u"a.txt"_s, u"b.txt"_s});
    const BusyPaints paints(f.window, f.ui.lsList->viewport());
    QElapsedTimer took;
    f.expectConfirmation(MsgBoxAnswer::Yes, std::nullopt, [&] {
        mount.stop();
        took.start();
        if (closed)
            QTimer::singleShot(300, &f.window, &QWidget::close);
    });
    if (!closed)
        f.expectError();
    f.rename(f.ui.optAttachBegin, u"x"_s);
    QVERIFY2(took.elapsed() < patience.count() + 1000, qPrintable(QString::number(took.elapsed())));
    QVERIFY(paints.count() > 0);
    QVERIFY(f.dialogs.allAnswered());
    if (closed)
        QTRY_VERIFY(!f.window.isVisible());
    else
        QVERIFY(f.dialogs.boxes().last().details.contains(u"stopped answering"_s));
    mount.resume();
    QCOMPARE(f.drives.entriesOf(u"C:\\source\\work"_s), (QStringList{u"a.txt"_s, u"b.txt"_s}));
}

QTEST_MAIN(RenameHandlersTest)
#include "tst_renamehandlers.moc"
