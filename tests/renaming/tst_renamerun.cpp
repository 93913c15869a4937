// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/RenameRun.h"
#include "support/CountingPlatform.h"
#include "support/TestDrives.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>
#include <numeric>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

// The window's modes, each with its builder. A replace ignores letter case unless told not to.
enum class Builder { AtBeginning, AtEnd, Replace, ReplaceMatchingCase };
Q_DECLARE_METATYPE(Builder)

namespace
{

const QString work = u"C:\\work"_s;

// The plan the window makes of the selected names. unchanged: whether the replace reported a
// name it left as it was.
std::vector<NameRow> planFor(const QStringList &names, Builder builder, const QString &text,
                             const QString &replacement = {}, bool *unchanged = nullptr)
{
    std::vector<NameRow> rows;
    for (const QString &name : names)
        rows.push_back(splitAtLastDot(name));
    bool leftAlone = false;
    if (builder == Builder::AtBeginning)
        attachAtBeginning(rows, text);
    else if (builder == Builder::AtEnd)
        attachAtEnd(rows, text);
    else
        leftAlone =
            replaceInNames(rows, text, replacement,
                           builder == Builder::Replace ? Qt::CaseInsensitive : Qt::CaseSensitive);
    if (unchanged)
        *unchanged = leftAlone;
    return rows;
}

// What the progress callback hears of a run that got this far.
QList<qsizetype> countedUpTo(int done)
{
    QList<qsizetype> counts(done);
    std::iota(counts.begin(), counts.end(), 1);
    return counts;
}

// Files, each holding "was " and its own name, in a folder listed as the window lists it.
struct Bench {
    explicit Bench(const QStringList &files, const QString &path = work)
    {
        drives.makeFiles(path, files);
        listing = drives.listFiles(path);
        before = drives.contentsIn(path);
    }

    RenameOutcome run(const QStringList &names, const std::vector<NameRow> &planned)
    {
        progress.clear();
        return runRenames(platform, listing.folder, names, planned,
                          [this](qsizetype done) { progress.append(done); });
    }

    TestDrives drives;
    CountingPlatform platform{drives.platform()};
    Listing listing;
    QStringList before; // what the files held: however a run goes, none of it is lost
    QList<qsizetype> progress;
};

} // namespace

class RenameRunTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void renamesAsPlanned_data();
    void renamesAsPlanned();
    void namesTheFileSystemMayNotHold_data();
    void namesTheFileSystemMayNotHold();
    void fileDeletedAfterTheListWasFilled();
    void renamesOnlyInTheListedFolder_data();
    void renamesOnlyInTheListedFolder();
    void planOfAnotherSizeTouchesNothing();
    void flushFailureIsToldApart();
};

void RenameRunTest::renamesAsPlanned_data()
{
    QTest::addColumn<QStringList>("names"); // all selected
    QTest::addColumn<Builder>("builder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("unchanged");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("done");
    QTest::newRow("attach at the end keeps extensions")
        << QStringList{u"archive.tar.gz"_s, u"notes."_s, u"README"_s, u"report.txt"_s}
        << Builder::AtEnd << u" old"_s << QString() << false << true
        << QStringList{u"README old"_s, u"archive.tar old.gz"_s, u"notes old."_s,
                       u"report old.txt"_s}
        << 4;
    // The file that keeps its name counts like the others.
    QTest::newRow("replace ignoring case, one name unchanged")
        << QStringList{u"other.jpg"_s, u"Photo1.jpg"_s, u"photo2.PHOTO"_s} << Builder::Replace
        << u"PHOTO"_s << u"pic"_s << true << true
        << QStringList{u"other.jpg"_s, u"pic1.jpg"_s, u"pic2.PHOTO"_s} << 3;
    QTest::newRow("replace regarding case")
        << QStringList{u"Photo1.jpg"_s, u"photo2.jpg"_s} << Builder::ReplaceMatchingCase
        << u"photo"_s << u"pic"_s << true << true << QStringList{u"Photo1.jpg"_s, u"pic2.jpg"_s}
        << 2;
    QTest::newRow("empty replacement deletes")
        << QStringList{u"a_old_old.txt"_s, u"report_old.txt"_s} << Builder::Replace << u"_old"_s
        << QString() << false << true << QStringList{u"a.txt"_s, u"report.txt"_s} << 2;
    QTest::newRow("nothing replaced, still complete")
        << QStringList{u"a.txt"_s, u"b.txt"_s} << Builder::Replace << u"zzz"_s << u"y"_s << true
        << true << QStringList{u"a.txt"_s, u"b.txt"_s} << 2;
    QTest::newRow("letter case alone")
        << QStringList{u"holiday.JPG"_s} << Builder::Replace << u"HOLIDAY"_s << u"Holiday"_s
        << false << true << QStringList{u"Holiday.JPG"_s} << 1;
    QTest::newRow("a taken name stops at that file")
        << QStringList{u"1.txt"_s, u"2.txt"_s, u"3.txt"_s, u"4.txt"_s, u"5.txt"_s, u"x3.txt"_s}
        << Builder::AtBeginning << u"x"_s << QString() << false << false
        << QStringList{u"3.txt"_s, u"4.txt"_s, u"5.txt"_s, u"x1.txt"_s, u"x2.txt"_s, u"x3.txt"_s}
        << 2;
    QTest::newRow("a later selected file holds the name")
        << QStringList{u"1.txt"_s, u"11.txt"_s} << Builder::ReplaceMatchingCase << u"1"_s << u"11"_s
        << false << false << QStringList{u"1.txt"_s, u"11.txt"_s} << 0;
    QTest::newRow("two files planned to one name")
        << QStringList{u"a-x.txt"_s, u"a-X.txt"_s} << Builder::Replace << u"-x"_s << QString()
        << false << false << QStringList{u"a-x.txt"_s, u"a.txt"_s} << 1;
    // Names as people write them, joined, marked and flagged, are listed and renamed like any.
    const QString england =
        u"\U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F"_s;
    const QString family = u"\U0001F468\u200D\U0001F469\u200D\U0001F467"_s;
    const QString coder = u" \U0001F469\u200D\U0001F4BB"_s;
    QTest::newRow("joiners, marks and flags")
        << QStringList{u"تقرير\u061C"_s, u"عکس\u200Cها.jpg"_s, u"क्\u200Dष"_s, england, family}
        << Builder::AtEnd << coder << QString() << false << true
        << QStringList{u"تقرير\u061C"_s + coder, u"عکس\u200Cها"_s + coder + u".jpg"_s,
                       u"क्\u200Dष"_s + coder, england + coder, family + coder}
        << 5;

    // Names that cannot be made: the run stops at that file, in most rows the first.
    const auto atFirst = [](const char *tag, const QStringList &names, Builder builder,
                            const QString &text, const QString &replacement = {}) {
        QTest::newRow(tag) << names << builder << text << replacement << false << false << names
                           << 0;
    };
    const QStringList both = {u"1.txt"_s, u"abc.txt"_s};
    // Names that would leave the folder or that it cannot hold.
    atFirst("up at the beginning", both, Builder::AtBeginning, u"../x"_s);
    atFirst("up at the end", both, Builder::AtEnd, u"/../../x"_s);
    atFirst("into a folder", both, Builder::AtBeginning, u"sub/"_s);
    atFirst("backslash", both, Builder::AtBeginning, u"sub\\"_s);
    atFirst("too long", both, Builder::AtEnd, QString(300, u'n'));
    // Names the list would hide: the file would vanish from it.
    atFirst("leading dot", both, Builder::AtBeginning, u"."_s);
    atFirst("line break", both, Builder::AtEnd, u"\r\n    fake"_s);
    atFirst("right-to-left override", both, Builder::AtEnd, QChar(0x202e) + u"gpj"_s);
    atFirst("name part emptied", {u"abc.txt"_s}, Builder::Replace, u"abc"_s);
    atFirst("autoexec.bat", {u"x.bat"_s}, Builder::Replace, u"x"_s, u"autoexec"_s);
    QTest::newRow("protected ending, after a file renamed")
        << QStringList{u"1.txt"_s, u"sit"_s} << Builder::AtEnd << u"com"_s << QString() << false
        << false << QStringList{u"1com.txt"_s, u"sit"_s} << 1;
}

// Every file of the row is selected. An empty folder "sub" stands by for names that would lead
// into it.
void RenameRunTest::renamesAsPlanned()
{
    QFETCH(QStringList, names);
    QFETCH(Builder, builder);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(bool, unchanged);
    QFETCH(bool, complete);
    QFETCH(QStringList, after);
    QFETCH(int, done);
    SKIP_UNLESS_ABLE(TestDrives::withoutNames(names));
    Bench bench(names);
    QVERIFY(bench.drives.makeFolder(work + u"\\sub"_s));
    bool leftAlone = false;
    const std::vector<NameRow> planned =
        planFor(bench.listing.names, builder, text, replacement, &leftAlone);
    QCOMPARE(leftAlone, unchanged);

    const RenameOutcome outcome = bench.run(bench.listing.names, planned);
    QCOMPARE(outcome.complete(), complete);
    QCOMPARE(outcome.done, done);
    QCOMPARE(bench.progress, countedUpTo(done));
    // Files only, hidden ones too: a name the list would hide shows here.
    QCOMPARE(QDir(bench.drives.native(work)).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             after);
    QCOMPARE(bench.drives.contentsIn(work), bench.before);
    QCOMPARE(bench.drives.entriesOf(work + u"\\sub"_s), QStringList());
    QCOMPARE(bench.drives.entriesOf(u"C:\\"_s), QStringList{u"work"_s});
    // What was renamed is put on disk, however the run ended.
    const QSet<QString> renamed(after.begin(), after.end());
    QCOMPARE(bench.platform.flushes, renamed == QSet<QString>(names.begin(), names.end()) ? 0 : 1);
    if (complete)
        return;
    QCOMPARE(outcome.failedName, bench.listing.names.at(done));
    QCOMPARE(outcome.plannedName, planned[std::size_t(done)].fullName());
    // File, new name and reason, each on its line whatever the names hold.
    QCOMPARE(outcome.details().count(u"\r\n"_s), 2);

    // The same plan again fails at once: the first listed name is gone, or still cannot be.
    const RenameOutcome again = bench.run(bench.listing.names, planned);
    QVERIFY(again.failure);
    QCOMPARE(again.done, 0);
}

void RenameRunTest::namesTheFileSystemMayNotHold_data()
{
    QTest::addColumn<QStringList>("names"); // all selected
    QTest::addColumn<Builder>("builder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QStringList>("after"); // where the file system holds the planned names
    QTest::addColumn<int>("doneIfNot");     // files handled before the one it cannot rename
    QTest::newRow("another file's name in another letter case")
        << QStringList{u"a.txt"_s, u"b.txt"_s} << Builder::Replace << u"b"_s << u"A"_s
        << QStringList{u"A.txt"_s, u"a.txt"_s} << 1;
    QTest::newRow("a character it refuses")
        << QStringList{u"1.txt"_s, u"abc.txt"_s} << Builder::AtEnd << u"?"_s << QString()
        << QStringList{u"1?.txt"_s, u"abc?.txt"_s} << 0;
    // It would make the name the file already has, and say so.
    QTest::newRow("a trailing dot it drops") << QStringList{u"README"_s} << Builder::AtEnd << u"."_s
                                             << QString() << QStringList{u"README."_s} << 0;
}

// Where the file system cannot hold a planned name, the run stops at that file and says why,
// with every file as it was; where it can, the run is complete.
void RenameRunTest::namesTheFileSystemMayNotHold()
{
    QFETCH(QStringList, names);
    QFETCH(Builder, builder);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(QStringList, after);
    QFETCH(int, doneIfNot);
    Bench bench(names);
    const RenameOutcome outcome =
        bench.run(bench.listing.names, planFor(bench.listing.names, builder, text, replacement));
    QCOMPARE(bench.drives.contentsIn(work), bench.before);
    if (TestDrives::withoutNames(after).isEmpty()) {
        QVERIFY2(outcome.complete(), qPrintable(outcome.details()));
        QCOMPARE(bench.drives.entriesOf(work), after);
        return;
    }
    QVERIFY(outcome.failure && !outcome.failure->isEmpty());
    QCOMPARE(outcome.done, doneIfNot);
    QCOMPARE(outcome.failedName, names.at(doneIfNot));
    QCOMPARE(bench.drives.entriesOf(work), names);
}

void RenameRunTest::fileDeletedAfterTheListWasFilled()
{
    Bench bench({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    QVERIFY(QFile::remove(bench.drives.native(work + u"\\b.txt"_s)));
    const RenameOutcome outcome =
        bench.run(bench.listing.names, planFor(bench.listing.names, Builder::AtBeginning, u"z"_s));
    QVERIFY(outcome.failure);
    QCOMPARE(outcome.done, 1);
    QCOMPARE(bench.progress, countedUpTo(1));
    QCOMPARE(bench.drives.entriesOf(work), (QStringList{u"c.txt"_s, u"za.txt"_s}));
    QCOMPARE(outcome.details(),
             u"File: b.txt\r\nNew name: zb.txt\r\nReason: "_s + *outcome.failure);
}

void RenameRunTest::renamesOnlyInTheListedFolder_data()
{
    // Moved aside to C:\moved, with a link to its like in C:\elsewhere put in its place.
    QTest::addColumn<QString>("replaced");
    QTest::addColumn<QString>("moved"); // where the listed files are then
    QTest::newRow("the folder") << u"C:\\top\\work"_s << u"C:\\moved"_s;
    QTest::newRow("a folder above") << u"C:\\top"_s << u"C:\\moved\\work"_s;
    QTest::newRow("none, the folder is removed") << QString() << QString();
}

void RenameRunTest::renamesOnlyInTheListedFolder()
{
    QFETCH(QString, replaced);
    QFETCH(QString, moved);
    if (!replaced.isEmpty())
        SKIP_UNLESS_ABLE(TestDrives::withoutLinks());
    const QStringList names = {u"a.txt"_s, u"b.txt"_s};
    Bench bench(names, u"C:\\top\\work"_s);
    TestDrives &drives = bench.drives;
    drives.makeFiles(u"C:\\elsewhere\\work"_s, names);
    // Between the listing and the run, the path comes to lead to other files.
    if (replaced.isEmpty()) {
        QVERIFY(QDir(drives.native(u"C:\\top\\work"_s)).removeRecursively());
    } else {
        QVERIFY(QFile::rename(drives.native(replaced), drives.native(u"C:\\moved"_s)));
        const QString other = QString(replaced).replace(u"top"_s, u"elsewhere"_s);
        QVERIFY(drives.makeLink(replaced, QFile::encodeName(drives.native(other))));
    }
    const RenameOutcome outcome =
        bench.run(bench.listing.names, planFor(names, Builder::AtBeginning, u"x"_s));
    QVERIFY(outcome.failure);
    QCOMPARE(outcome.done, 0);
    QCOMPARE(outcome.details(), u"Reason: "_s + *outcome.failure);
    QCOMPARE(drives.entriesOf(u"C:\\elsewhere\\work"_s), names);
    if (!moved.isEmpty())
        QCOMPARE(drives.entriesOf(moved), names);
}

void RenameRunTest::planOfAnotherSizeTouchesNothing()
{
    Bench bench({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
    const QStringList &listed = bench.listing.names;
    const std::vector<NameRow> planned = planFor(listed, Builder::AtBeginning, u"x"_s);
    for (const QStringList &names : {listed.first(2), listed + QStringList{u"d.txt"_s}}) {
        QCOMPARE(bench.run(names, planned).done, 0);
        QCOMPARE(bench.drives.entriesOf(work), listed);
    }
}

void RenameRunTest::flushFailureIsToldApart()
{
    Bench bench({u"a.txt"_s, u"b.txt"_s});
    bench.platform.flushFailure = u"Input/output error"_s;
    const RenameOutcome outcome =
        bench.run(bench.listing.names, planFor(bench.listing.names, Builder::AtEnd, u"x"_s));
    QCOMPARE(outcome.done, 2);
    QVERIFY(outcome.unflushed);
    QCOMPARE(bench.platform.flushes, 1);
    QCOMPARE(outcome.details(), u"Every file was renamed, but the folder could not be flushed to "
                                "disk.\r\nReason: Input/output error"_s);
}

QTEST_MAIN(RenameRunTest)
#include "tst_renamerun.moc"
