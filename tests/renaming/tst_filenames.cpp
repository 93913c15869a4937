// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/FileNames.h"

#include <QTest>

using namespace brindlewick;
using namespace Qt::StringLiterals;

class FileNamesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void extension_data();
    void extension();
    void protectedEnding_data();
    void protectedEnding();
    void listedName_data();
    void listedName();
};

void FileNamesTest::extension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("upper case kept") << u"photo.JPG"_s << u".JPG"_s;
    QTest::newRow("last dot counts") << u"a.b.c"_s << u".c"_s;
    QTest::newRow("no dot") << u"README"_s << QString();
    QTest::newRow("ends in dot") << u"notes."_s << u"."_s;
    QTest::newRow("only leading dot") << u".profile"_s << u".profile"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks kept") << u"a. b c"_s << u". b c"_s;
    QTest::newRow("unicode") << u"Ünïcödé.tär"_s << u".tär"_s;
}

void FileNamesTest::extension()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    const QString result = GetFileExt(name);
    QCOMPARE(result, extension);
    // The name splits into the part a rename changes and the extension it keeps.
    QCOMPARE(name.left(name.size() - result.size()) + result, name);
}

void FileNamesTest::protectedEnding_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("allowed");
    for (const char *ending : {"ini", "dat", "dos", "exe", "dll", "sys", "com"}) {
        const QString lower = QString::fromLatin1(ending);
        QTest::newRow(ending) << lower << false;
        QTest::newRow(qPrintable(lower.toUpper())) << lower.toUpper() << false;
    }
    QTest::newRow("mixed case") << u"Ini"_s << false;
    QTest::newRow("txt") << u"txt"_s << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("dot in front") << u".in"_s << true;
    QTest::newRow("two letters") << u"co"_s << true;
    QTest::newRow("blank after") << u"exe "_s << true;
    QTest::newRow("longer") << u"exe2"_s << true;
}

void FileNamesTest::protectedEnding()
{
    QFETCH(QString, ending);
    QFETCH(bool, allowed);
    QCOMPARE(ExtCheck(ending), allowed);
}

void FileNamesTest::listedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    // Letters beyond ASCII make no protected ending.
    QTest::newRow("März") << u"März"_s << true;
    QTest::newRow("ending without a dot") << u"backup-DAT"_s << false;
    QTest::newRow("autoexec.bat") << u"AutoExec.Bat"_s << false;
    // Names as their scripts are written, with a joiner, a non-joiner or the Arabic letter mark.
    for (const QString &name :
         {u"می\u200Cخواهم.txt"_s, u"അവന്\u200D.txt"_s, u"تقرير\u061C 2024.pdf"_s})
        QTest::newRow(qPrintable(name)) << name << true;
}

void FileNamesTest::listedName()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QCOMPARE(isListedFileName(name), listed);
}

QTEST_GUILESS_MAIN(FileNamesTest)
#include "tst_filenames.moc"
