// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

const QString folder = u"C:\\work"_s;

// A folder of files, each holding "was " and its own original name, shown in the window.
struct Workbench : WindowFixture {
    explicit Workbench(const QStringList &names)
    {
        QStringList files;
        for (const QString &name : names)
            files.append(folder + u'\\' + name);
        make({folder + u"\\sub"_s}, files);
        showFolder(folder);
        originalContents = contentsOnDisk();
    }

    QStringList filesOnDisk() const
    {
        return QDir(drives.native(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QStringList contentsOnDisk() const
    {
        QStringList contents;
        for (const QString &name : filesOnDisk())
            contents.append(QString::fromUtf8(drives.contentOf(folder + u'\\' + name)));
        contents.sort();
        return contents;
    }

    // Renames in mode, a renameOption: 4 is the replace option with the case box ticked.
    void renameIn(int mode, const QString &text, const QString &replacement = {})
    {
        QRadioButton *const options[] = {window.optAttachBegin, window.optAttachEnd,
                                         window.optReplace, window.optReplace};
        rename(options[mode - 1], text, replacement, mode == 4);
    }

    // However the renaming went, every file is still there with what it held.
    void verifyNothingLost() const { QCOMPARE(contentsOnDisk(), originalContents); }

    QStringList originalContents;
};

} // namespace

class RenameCommandTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void guardsEndTheCommandSilently();
    void attachAtBeginningOnYes();
    void answeringNoRenamesNothing();
    void replaceIgnoringCaseWithNotice();
    void renamesAsPlanned_data();
    void renamesAsPlanned();
    void takenNameStopsAtThatFile();
    void fileDeletedAfterTheListWasFilled();
    void namesThatCannotBeMadeFailAtThatFile_data();
    void namesThatCannotBeMadeFailAtThatFile();
    void renamesOnlyInTheListedFolder_data();
    void renamesOnlyInTheListedFolder();
    void paintsButTakesNoInputWhileRenaming();
    void closingWaitsForTheRenamingToEnd();
    void moreFilesThanSixteenBitsCount();
};

void RenameCommandTest::guardsEndTheCommandSilently()
{
    Workbench bench({u"a.txt"_s, u"b.txt"_s});
    bench.select({u"a.txt"_s});
    bench.rename(bench.window.optAttachBegin, QString());
    bench.rename(bench.window.optReplace, QString(), u"x"_s);

    bench.window.lsList->clearSelection();
    bench.rename(bench.window.optAttachEnd, u"x"_s);
    QVERIFY(bench.dialogs.boxes().isEmpty());
    QVERIFY(bench.window.selNames.empty());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"a.txt"_s, u"b.txt"_s}));
}

void RenameCommandTest::attachAtBeginningOnYes()
{
    Workbench bench({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s, u"d.txt"_s, u"e.txt"_s});
    bench.select({u"b.txt"_s, u"d.txt"_s, u"e.txt"_s});
    bench.expectConfirmation(MsgBoxAnswer::Yes, u"Warning:  There is no undo!\r\n\r\n"
                                                "Renamed Files:\r\n"
                                                "    new_b.txt\r\n"
                                                "    new_d.txt\r\n"
                                                "    new_e.txt\r\n"
                                                "        (etcetera)\r\n"
                                                "\r\n"
                                                "Do you wish to continue?"_s);
    bench.expectSuccess();
    QSignalSpy progress(bench.window.pbStatus, &ProgressMeter::valueSet);
    bench.rename(bench.window.optAttachBegin, u"new_"_s);

    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(),
             (QStringList{u"a.txt"_s, u"c.txt"_s, u"new_b.txt"_s, u"new_d.txt"_s, u"new_e.txt"_s}));
    bench.verifyNothingLost();
    QCOMPARE(bench.window.curPath, folder + u'\\');
    QCOMPARE(bench.window.selNames.size(), std::size_t(3));
    QCOMPARE(bench.window.selNames[0].name, u"new_b"_s);
    QCOMPARE(bench.window.selNames[0].extension, u".txt"_s);

    // The renaming counts 1 to 3 and ends at 0, then the refilled list counts its five.
    QCOMPARE(valuesSeen(progress), (QList<int>{1, 2, 3, 0, 1, 2, 3, 4, 5, 0}));
    QCOMPARE(bench.listed(), bench.filesOnDisk());
    QVERIFY(bench.window.lsList->selectedPositions().empty());
    QVERIFY(bench.window.Text1->text().isEmpty());
}

void RenameCommandTest::answeringNoRenamesNothing()
{
    Workbench bench({u"one.txt"_s, u"two.txt"_s});
    bench.select({u"one.txt"_s, u"two.txt"_s});
    bench.expectConfirmation(MsgBoxAnswer::No);
    bench.rename(bench.window.optAttachEnd, u"_v2"_s);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"one.txt"_s, u"two.txt"_s}));
    QCOMPARE(bench.window.Text1->text(), u"_v2"_s);
    QCOMPARE(bench.dialogs.boxes().size(), 1);

    // Asked again, the names are planned afresh: the text is attached once.
    bench.expectConfirmation(MsgBoxAnswer::Yes, u"Warning:  There is no undo!\r\n\r\n"
                                                "Renamed Files:\r\n"
                                                "    one_v2.txt\r\n"
                                                "    two_v2.txt\r\n"
                                                "\r\n"
                                                "Do you wish to continue?"_s);
    bench.expectSuccess();
    bench.window.cmdRename->click();
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"one_v2.txt"_s, u"two_v2.txt"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::replaceIgnoringCaseWithNotice()
{
    const QStringList names = {u"other.jpg"_s, u"Photo1.jpg"_s, u"photo2.PHOTO"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectNotice();
    bench.expectConfirmation(MsgBoxAnswer::Yes, u"Warning:  There is no undo!\r\n\r\n"
                                                "Renamed Files:\r\n"
                                                "    other.jpg\r\n"
                                                "    pic1.jpg\r\n"
                                                "    pic2.PHOTO\r\n"
                                                "        (etcetera)\r\n"
                                                "\r\n"
                                                "Do you wish to continue?"_s);
    bench.expectSuccess();
    QSignalSpy progress(bench.window.pbStatus, &ProgressMeter::valueSet);
    bench.rename(bench.window.optReplace, u"PHOTO"_s, u"pic"_s);
    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"other.jpg"_s, u"pic1.jpg"_s, u"pic2.PHOTO"_s}));
    bench.verifyNothingLost();
    // The file that keeps its name counts on the bar like the others.
    QCOMPARE(valuesSeen(progress).mid(0, 4), (QList<int>{1, 2, 3, 0}));
    QVERIFY(bench.window.Text1->text().isEmpty());
    QVERIFY(bench.window.Text2->text().isEmpty());
}

void RenameCommandTest::renamesAsPlanned_data()
{
    QTest::addColumn<QStringList>("names"); // all selected
    QTest::addColumn<int>("mode");          // renameOption: 4 replaces regarding case
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("reached"); // the bar's value at the end
    QTest::newRow("attach at the end keeps extensions")
        << QStringList{u"archive.tar.gz"_s, u"notes."_s, u"README"_s, u"report.txt"_s} << 2
        << u" old"_s << QString() << false << true
        << QStringList{u"README old"_s, u"archive.tar old.gz"_s, u"notes old."_s,
                       u"report old.txt"_s}
        << 0;
    QTest::newRow("replace regarding case")
        << QStringList{u"Photo1.jpg"_s, u"photo2.jpg"_s} << 4 << u"photo"_s << u"pic"_s << true
        << true << QStringList{u"Photo1.jpg"_s, u"pic2.jpg"_s} << 0;
    QTest::newRow("empty replacement deletes")
        << QStringList{u"a_old_old.txt"_s, u"report_old.txt"_s} << 3 << u"_old"_s << QString()
        << false << true << QStringList{u"a.txt"_s, u"report.txt"_s} << 0;
    QTest::newRow("nothing replaced, still reported")
        << QStringList{u"a.txt"_s, u"b.txt"_s} << 3 << u"zzz"_s << u"y"_s << true << true
        << QStringList{u"a.txt"_s, u"b.txt"_s} << 0;
    QTest::newRow("letter case alone")
        << QStringList{u"holiday.JPG"_s} << 3 << u"HOLIDAY"_s << u"Holiday"_s << false << true
        << QStringList{u"Holiday.JPG"_s} << 0;
    QTest::newRow("a later selected file holds the name")
        << QStringList{u"1.txt"_s, u"11.txt"_s} << 4 << u"1"_s << u"11"_s << false << false
        << QStringList{u"1.txt"_s, u"11.txt"_s} << 0;
    QTest::newRow("two files planned to one name")
        << QStringList{u"a-x.txt"_s, u"a-X.txt"_s} << 3 << u"-x"_s << QString() << false << false
        << QStringList{u"a-x.txt"_s, u"a.txt"_s} << 1;
}

void RenameCommandTest::renamesAsPlanned()
{
    QFETCH(QStringList, names);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(bool, notice);
    QFETCH(bool, succeeds);
    QFETCH(QStringList, after);
    QFETCH(int, reached);
    Workbench bench(names);
    bench.select(names);
    if (notice)
        bench.expectNotice();
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    if (succeeds)
        bench.expectSuccess();
    else
        bench.expectError();
    bench.renameIn(mode, text, replacement);
    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.window.renameOption, mode);
    QCOMPARE(bench.filesOnDisk(), after);
    bench.verifyNothingLost();
    QCOMPARE(bench.window.pbStatus->Value(), reached);
}

void RenameCommandTest::takenNameStopsAtThatFile()
{
    Workbench bench({u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s, u"5.txt"_s, u"x3.txt"_s});
    bench.select({u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s, u"5.txt"_s});
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    // While the box is up, the bar shows how far the renaming came, not its last repaint.
    bench.expectError([&] { QCOMPARE(bench.window.pbStatus->bar()->value(), 2); });
    bench.rename(bench.window.optAttachBegin, u"x"_s);

    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"3.txt"_s, u"4.txt"_s, u"5.txt"_s, u"x1.txt"_s,
                                               u"x2.txt"_s, u"x3.txt"_s}));
    bench.verifyNothingLost();
    QCOMPARE(bench.window.pbStatus->Value(), 2);
    // The list still shows the names it had, with the selection, and the text stays.
    QCOMPARE(bench.listed(), (QStringList{u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s,
                                          u"5.txt"_s, u"x3.txt"_s}));
    QCOMPARE(bench.window.lsList->selectedPositions(), (std::vector<qsizetype>{1, 2, 3, 4, 5}));
    QCOMPARE(bench.window.Text1->text(), u"x"_s);

    // Renaming again fails at once: the first listed name is gone.
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.window.cmdRename->click();
    QVERIFY(bench.dialogs.allAnswered());
    bench.verifyNothingLost();
}

void RenameCommandTest::fileDeletedAfterTheListWasFilled()
{
    const QStringList names = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    Workbench bench(names);
    bench.select(names);
    QVERIFY(QFile::remove(bench.drives.native(folder + u"\\b.txt"_s)));
    bench.originalContents.removeOne(u"was b.txt"_s);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.rename(bench.window.optAttachBegin, u"z"_s);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"c.txt"_s, u"za.txt"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::namesThatCannotBeMadeFailAtThatFile_data()
{
    QTest::addColumn<int>("mode"); // renameOption
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QStringList>("after");
    const QStringList both = {u"1.txt"_s, u"abc.txt"_s};
    const QStringList all = {u"1.txt"_s, u"abc.txt"_s, u"sit"_s, u"x.bat"_s};
    // Names that would leave the folder or that it cannot hold.
    QTest::newRow("up at the beginning") << 1 << both << u"../x"_s << QString() << all;
    QTest::newRow("up at the end") << 2 << both << u"/../../x"_s << QString() << all;
    QTest::newRow("into a folder") << 1 << both << u"sub/"_s << QString() << all;
    QTest::newRow("backslash") << 1 << both << u"sub\\"_s << QString() << all;
    QTest::newRow("too long") << 2 << both << QString(300, u'n') << QString() << all;
    // Names the list would hide: the file would vanish from it.
    QTest::newRow("leading dot") << 1 << both << u"."_s << QString() << all;
    QTest::newRow("line break") << 2 << both << u"\r\n    fake"_s << QString() << all;
    QTest::newRow("name part emptied")
        << 3 << QStringList{u"abc.txt"_s} << u"abc"_s << QString() << all;
    QTest::newRow("protected ending")
        << 2 << QStringList{u"1.txt"_s, u"sit"_s} << u"com"_s << QString()
        << QStringList{u"1com.txt"_s, u"abc.txt"_s, u"sit"_s, u"x.bat"_s};
    QTest::newRow("autoexec.bat") << 3 << QStringList{u"x.bat"_s} << u"x"_s << u"autoexec"_s << all;
}

void RenameCommandTest::namesThatCannotBeMadeFailAtThatFile()
{
    QFETCH(int, mode);
    QFETCH(QStringList, selected);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(QStringList, after);
    Workbench bench({u"1.txt"_s, u"abc.txt"_s, u"sit"_s, u"x.bat"_s});
    bench.select(selected);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.renameIn(mode, text, replacement);
    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), after);
    bench.verifyNothingLost();
    QCOMPARE(bench.drives.entriesOf(folder + u"\\sub"_s), QStringList());
    QCOMPARE(bench.drives.entriesOf(u"C:\\"_s), QStringList{u"work"_s});
    QCOMPARE(bench.window.pbStatus->Value(), after.contains(u"1com.txt"_s) ? 1 : 0);
}

void RenameCommandTest::renamesOnlyInTheListedFolder_data()
{
    QTest::addColumn<QString>("replaced"); // the folder that another takes the place of
    QTest::newRow("the folder") << u"C:\\top\\work"_s;
    QTest::newRow("a folder above") << u"C:\\top"_s;
    QTest::newRow("none, the folder is removed") << QString();
}

void RenameCommandTest::renamesOnlyInTheListedFolder()
{
    QFETCH(QString, replaced);
    WindowFixture f;
    f.make({}, {u"C:\\top\\work\\a.txt"_s, u"C:\\top\\work\\b.txt"_s,
                u"C:\\elsewhere\\work\\a.txt"_s, u"C:\\elsewhere\\work\\b.txt"_s});
    f.showFolder(u"C:\\top\\work"_s);
    f.select({u"a.txt"_s, u"b.txt"_s});
    // Between the list and the answer Yes, the path comes to lead to other files.
    f.expectConfirmation(MsgBoxAnswer::Yes, std::nullopt, [&] {
        if (replaced.isEmpty()) {
            QVERIFY(QDir(f.drives.native(u"C:\\top\\work"_s)).removeRecursively());
            return;
        }
        QVERIFY(QFile::rename(f.drives.native(replaced), f.drives.native(u"C:\\moved"_s)));
        QVERIFY(
            f.drives.makeLink(replaced, QFile::encodeName(f.drives.native(
                                            QString(replaced).replace(u"top"_s, u"elsewhere"_s)))));
    });
    f.expectError();
    f.rename(f.window.optAttachBegin, u"x"_s);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.drives.entriesOf(u"C:\\elsewhere\\work"_s), (QStringList{u"a.txt"_s, u"b.txt"_s}));
    if (!replaced.isEmpty()) {
        const QString moved = replaced.endsWith(u"work"_s) ? u"C:\\moved"_s : u"C:\\moved\\work"_s;
        QCOMPARE(f.drives.entriesOf(moved), (QStringList{u"a.txt"_s, u"b.txt"_s}));
    }
    QCOMPARE(f.window.pbStatus->Value(), 0);
}

void RenameCommandTest::paintsButTakesNoInputWhileRenaming()
{
    const QStringList names = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    Workbench bench(names);
    frmMain &w = bench.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    bench.select({u"a.txt"_s, u"b.txt"_s});
    const BusyPaints paints(w, w.lsList->viewport());
    // As the box goes, the window has events waiting: the place of the box to repaint. Keys
    // come while the files are renamed.
    bool waitingRan = false;
    bench.expectConfirmation(MsgBoxAnswer::Yes, std::nullopt, [&] {
        QTimer::singleShot(0, &w, [&] {
            waitingRan = true;
            w.lsList->viewport()->update();
        });
    });
    connect(w.pbStatus, &ProgressMeter::valueSet, this, [&](int value) {
        if (value != 1)
            return;
        QCoreApplication::postEvent(
            w.lsList, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier));
        QCoreApplication::postEvent(w.Text1,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, {}, u"z"_s));
    });
    bench.expectSuccess([&] {
        QVERIFY(waitingRan);
        QVERIFY(paints.count() > 0);
        QCOMPARE(w.lsList->selectedPositions(), (std::vector<qsizetype>{1, 2}));
        QCOMPARE(w.Text1->text(), u"x"_s);
    });
    bench.rename(w.optAttachBegin, u"x"_s);
    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"c.txt"_s, u"xa.txt"_s, u"xb.txt"_s}));
    QVERIFY(!w.isBusy());
}

void RenameCommandTest::closingWaitsForTheRenamingToEnd()
{
    const QStringList names = {u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};
    Workbench bench(names);
    bench.window.show();
    bench.select(names);
    bool closedAtOnce = true;
    connect(bench.window.pbStatus, &ProgressMeter::valueSet, this, [&](int value) {
        if (value == 1)
            closedAtOnce = bench.window.close();
    });
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectSuccess([&] { QVERIFY(bench.window.isVisible()); });
    bench.rename(bench.window.optAttachEnd, u"_1"_s);
    QVERIFY(!closedAtOnce);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"a_1.txt"_s, u"b_1.txt"_s, u"c_1.txt"_s}));
    QTRY_VERIFY(!bench.window.isVisible());
}

void RenameCommandTest::moreFilesThanSixteenBitsCount()
{
    WindowFixture f;
    QVERIFY(f.drives.makeFolder(folder));
    const int count = 33000;
    QVERIFY(f.drives.makeEmptyFiles(folder, count, "f"));
    f.showFolder(folder);
    f.window.lsList->selectAll();
    f.expectConfirmation(MsgBoxAnswer::Yes);
    f.expectSuccess();
    f.window.Text1->setText(u"g"_s);
    f.window.cmdRename->click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.window.lsList->itemCount(), count);
    QCOMPARE(f.window.lsList->itemText(1), u"gf0"_s);
    QCOMPARE(f.window.lsList->itemText(count), u"gf"_s + QString::number(count - 1));
    QCOMPARE(QDir(f.drives.native(folder)).entryList(QDir::Files).size(), count);
}

QTEST_MAIN(RenameCommandTest)
#include "tst_renamecommand.moc"
