#include "support/ScriptedDialogs.h"
#include "support/TestDrives.h"
#include "support/WindowProbe.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

namespace
{

const QString folder = u"C:\\work"_s;

QString successText()
{
    return u"File renaming complete."_s;
}

QString errorText()
{
    return u"Not all files were renamed!"_s;
}

// A folder of files, each holding its own original name, shown in the window.
class Workbench
{
public:
    explicit Workbench(const QStringList &names)
    {
        for (const QString &name : names)
            QVERIFY(drives.makeFile(folder + u'\\' + name, contentFor(name)));
        QVERIFY(drives.makeFolder(folder + u"\\sub"_s));
        window = std::make_unique<frmMain>(drives.platform(), dialogs);
        window->File1.setPath(folder);
        window->DisplayFiles();
        originalContents = contentsOnDisk();
    }

    static QByteArray contentFor(const QString &name) { return "was " + name.toUtf8(); }

    void select(const QStringList &names)
    {
        for (const QString &name : names) {
            bool found = false;
            for (qsizetype i = 1; i <= window->lsList->itemCount(); ++i) {
                if (window->lsList->itemText(i) == name) {
                    window->lsList->setItemSelected(i, true);
                    found = true;
                }
            }
            QVERIFY2(found, qPrintable(name));
        }
    }

    void rename(QRadioButton *mode, const QString &text, const QString &replacement = {},
                bool caseSensitive = false)
    {
        mode->click();
        if (caseSensitive)
            window->chkCase->click();
        window->Text1->setText(text);
        window->Text2->setText(replacement);
        window->cmdRename->click();
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

    QStringList listed() const { return listedNames(*window); }

    // However the renaming went, every file is still there with what it held.
    void verifyNothingLost() const { QCOMPARE(contentsOnDisk(), originalContents); }

    void expectConfirmation(MsgBoxAnswer answer, std::optional<QString> prompt = std::nullopt)
    {
        dialogs.expectBox(YesNo, u"Renaming Files..."_s, answer, std::move(prompt));
    }
    void expectNotice()
    {
        dialogs.expectBox(Information, u"Brindlewick"_s, MsgBoxAnswer::Ok,
                          u"Some files did not contain the string to be replaced.\r\n\r\n"
                          "Those files will not be renamed."_s);
    }
    void expectSuccess()
    {
        dialogs.expectBox(OkOnly, u"Brindlewick - Success"_s, MsgBoxAnswer::Ok, successText());
    }
    void expectError()
    {
        dialogs.expectBox(Critical, u"Brindlewick - Error"_s, MsgBoxAnswer::Ok, errorText());
    }

    TestDrives drives;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
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
    void attachAtEndKeepsExtensions();
    void replaceIgnoringCaseWithNotice();
    void replaceRegardingCase();
    void emptyReplacementDeletes();
    void replaceThatChangesNothingStillReports();
    void takenNameStopsAtThatFile();
    void laterSelectedFileStillHoldsTheName();
    void twoFilesPlannedToOneName();
    void caseOnlyRename();
    void fileDeletedAfterTheListWasFilled();
    void namesThatWouldLeaveTheFolder_data();
    void namesThatWouldLeaveTheFolder();
    void moreFilesThanSixteenBitsCount();
};

void RenameCommandTest::guardsEndTheCommandSilently()
{
    Workbench bench({u"a.txt"_s, u"b.txt"_s});
    bench.select({u"a.txt"_s});
    bench.rename(bench.window->optAttachBegin, QString());
    bench.rename(bench.window->optReplace, QString(), u"x"_s);

    bench.window->lsList->clearSelection();
    bench.rename(bench.window->optAttachEnd, u"x"_s);
    QVERIFY(bench.dialogs.boxes().isEmpty());
    QVERIFY(bench.window->selNames.empty());
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
    QSignalSpy progress(bench.window->pbStatus, &ProgressMeter::valueSet);
    bench.rename(bench.window->optAttachBegin, u"new_"_s);

    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(),
             (QStringList{u"a.txt"_s, u"c.txt"_s, u"new_b.txt"_s, u"new_d.txt"_s, u"new_e.txt"_s}));
    bench.verifyNothingLost();
    QCOMPARE(bench.window->curPath, folder + u'\\');
    QCOMPARE(bench.window->selNames.size(), std::size_t(3));
    QCOMPARE(bench.window->selNames[0].name, u"new_b"_s);
    QCOMPARE(bench.window->selNames[0].extension, u".txt"_s);

    // The renaming counts 1 to 3 and ends at 0, then the refilled list counts its five.
    QList<int> values;
    for (const QList<QVariant> &call : progress)
        values.append(call.at(0).toInt());
    QCOMPARE(values, (QList<int>{1, 2, 3, 0, 1, 2, 3, 4, 5, 0}));
    QCOMPARE(bench.listed(), bench.filesOnDisk());
    QVERIFY(bench.window->lsList->selectedPositions().empty());
    QVERIFY(bench.window->Text1->text().isEmpty());
}

void RenameCommandTest::answeringNoRenamesNothing()
{
    Workbench bench({u"one.txt"_s, u"two.txt"_s});
    bench.select({u"one.txt"_s, u"two.txt"_s});
    bench.expectConfirmation(MsgBoxAnswer::No);
    bench.rename(bench.window->optAttachEnd, u"_v2"_s);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"one.txt"_s, u"two.txt"_s}));
    QCOMPARE(bench.window->Text1->text(), u"_v2"_s);
    QCOMPARE(bench.dialogs.boxes().size(), 1);

    // Asked again, the names are planned afresh: the text is attached once.
    bench.expectConfirmation(MsgBoxAnswer::Yes, u"Warning:  There is no undo!\r\n\r\n"
                                                "Renamed Files:\r\n"
                                                "    one_v2.txt\r\n"
                                                "    two_v2.txt\r\n"
                                                "\r\n"
                                                "Do you wish to continue?"_s);
    bench.expectSuccess();
    bench.window->cmdRename->click();
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"one_v2.txt"_s, u"two_v2.txt"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::attachAtEndKeepsExtensions()
{
    const QStringList names = {u"archive.tar.gz"_s, u"notes."_s, u"README"_s, u"report.txt"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectSuccess();
    bench.rename(bench.window->optAttachEnd, u" old"_s);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"README old"_s, u"archive.tar old.gz"_s,
                                               u"notes old."_s, u"report old.txt"_s}));
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
    bench.rename(bench.window->optReplace, u"PHOTO"_s, u"pic"_s);
    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"other.jpg"_s, u"pic1.jpg"_s, u"pic2.PHOTO"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::replaceRegardingCase()
{
    const QStringList names = {u"Photo1.jpg"_s, u"photo2.jpg"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectNotice();
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectSuccess();
    bench.rename(bench.window->optReplace, u"photo"_s, u"pic"_s, true);
    QCOMPARE(bench.window->renameOption, 4);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"Photo1.jpg"_s, u"pic2.jpg"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::emptyReplacementDeletes()
{
    const QStringList names = {u"a_old_old.txt"_s, u"report_old.txt"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectSuccess();
    bench.rename(bench.window->optReplace, u"_old"_s, QString());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"a.txt"_s, u"report.txt"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::replaceThatChangesNothingStillReports()
{
    const QStringList names = {u"a.txt"_s, u"b.txt"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectNotice();
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectSuccess();
    bench.rename(bench.window->optReplace, u"zzz"_s, u"y"_s);
    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), names);
    QCOMPARE(bench.window->pbStatus->Value(), 0);
}

void RenameCommandTest::takenNameStopsAtThatFile()
{
    Workbench bench({u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s, u"5.txt"_s, u"x3.txt"_s});
    bench.select({u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s, u"5.txt"_s});
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.rename(bench.window->optAttachBegin, u"x"_s);

    QVERIFY(bench.dialogs.allAnswered());
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"3.txt"_s, u"4.txt"_s, u"5.txt"_s, u"x1.txt"_s,
                                               u"x2.txt"_s, u"x3.txt"_s}));
    bench.verifyNothingLost();
    QCOMPARE(bench.window->pbStatus->Value(), 2);
    // The list still shows the names it had, with the selection, and the text stays.
    QCOMPARE(bench.listed(), (QStringList{u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s,
                                          u"5.txt"_s, u"x3.txt"_s}));
    QCOMPARE(bench.window->lsList->selectedPositions(), (std::vector<qsizetype>{1, 2, 3, 4, 5}));
    QCOMPARE(bench.window->Text1->text(), u"x"_s);

    // Renaming again fails at once: the first listed name is gone.
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.window->cmdRename->click();
    QVERIFY(bench.dialogs.allAnswered());
    bench.verifyNothingLost();
}

void RenameCommandTest::laterSelectedFileStillHoldsTheName()
{
    const QStringList names = {u"1.txt"_s, u"11.txt"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.rename(bench.window->optReplace, u"1"_s, u"11"_s, true);
    QCOMPARE(bench.filesOnDisk(), names);
    bench.verifyNothingLost();
}

void RenameCommandTest::twoFilesPlannedToOneName()
{
    const QStringList names = {u"a-x.txt"_s, u"a-X.txt"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.rename(bench.window->optReplace, u"-x"_s, QString());
    QCOMPARE(bench.filesOnDisk().size(), 2);
    QVERIFY(bench.filesOnDisk().contains(u"a.txt"_s));
    bench.verifyNothingLost();
    QCOMPARE(bench.window->pbStatus->Value(), 1);
}

void RenameCommandTest::caseOnlyRename()
{
    Workbench bench({u"holiday.JPG"_s});
    bench.select({u"holiday.JPG"_s});
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectSuccess();
    bench.rename(bench.window->optReplace, u"HOLIDAY"_s, u"Holiday"_s);
    QCOMPARE(bench.filesOnDisk(), QStringList{u"Holiday.JPG"_s});
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
    bench.rename(bench.window->optAttachBegin, u"z"_s);
    QCOMPARE(bench.filesOnDisk(), (QStringList{u"c.txt"_s, u"za.txt"_s}));
    bench.verifyNothingLost();
}

void RenameCommandTest::namesThatWouldLeaveTheFolder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("atBeginning");
    QTest::newRow("up at the beginning") << u"../x"_s << true;
    QTest::newRow("up at the end") << u"/../../x"_s << false;
    QTest::newRow("into a folder") << u"sub/"_s << true;
    QTest::newRow("backslash") << u"sub\\"_s << true;
    QTest::newRow("too long") << QString(300, u'n') << false;
}

void RenameCommandTest::namesThatWouldLeaveTheFolder()
{
    QFETCH(QString, text);
    QFETCH(bool, atBeginning);
    const QStringList names = {u"a.txt"_s, u"b.txt"_s};
    Workbench bench(names);
    bench.select(names);
    bench.expectConfirmation(MsgBoxAnswer::Yes);
    bench.expectError();
    bench.rename(atBeginning ? bench.window->optAttachBegin : bench.window->optAttachEnd, text);
    QCOMPARE(bench.filesOnDisk(), names);
    bench.verifyNothingLost();
    QCOMPARE(bench.drives.entriesOf(folder + u"\\sub"_s), QStringList());
    QCOMPARE(bench.drives.entriesOf(u"C:\\"_s), QStringList{u"work"_s});
    QCOMPARE(bench.window->pbStatus->Value(), 0);
}

void RenameCommandTest::moreFilesThanSixteenBitsCount()
{
    TestDrives drives;
    QVERIFY(drives.makeFolder(folder));
    const int count = 33000;
    QVERIFY(drives.makeEmptyFiles(folder, count, "f"));
    ScriptedDialogs dialogs;
    frmMain w(drives.platform(), dialogs);
    w.File1.setPath(folder);
    w.DisplayFiles();
    w.lsList->selectAll();
    dialogs.expectBox(YesNo, u"Renaming Files..."_s, MsgBoxAnswer::Yes);
    dialogs.expectBox(OkOnly, u"Brindlewick - Success"_s, MsgBoxAnswer::Ok);
    w.Text1->setText(u"g"_s);
    w.cmdRename->click();
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(w.lsList->itemCount(), count);
    QCOMPARE(w.lsList->itemText(1), u"gf0"_s);
    QCOMPARE(w.lsList->itemText(count), u"gf"_s + QString::number(count - 1));
    QCOMPARE(QDir(drives.native(folder)).entryList(QDir::Files).size(), count);
}

QTEST_MAIN(RenameCommandTest)
#include "tst_renamecommand.moc"
