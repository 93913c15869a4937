// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DrivePath.h"
#include "platform/DriveTable.h"

#include <QTest>

using namespace brindlewick;
using namespace Qt::StringLiterals;

class DrivePathTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readBack_data();
    void readBack();
    void mapsOntoMountsAndBack();
    void refusesNativePathsItCannotCarry();
};

void DrivePathTest::readBack_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("readBack"); // empty: refused
    QTest::newRow("drive alone") << u"C:"_s << u"C:\\"_s;
    QTest::newRow("root") << u"C:\\"_s << u"C:\\"_s;
    QTest::newRow("lower-case letter") << u"d:\\Music"_s << u"D:\\Music"_s;
    QTest::newRow("final separator dropped") << u"C:\\home\\ann\\"_s << u"C:\\home\\ann"_s;
    QTest::newRow("blanks and dots in names") << u"C:\\a b\\.x\\c."_s << u"C:\\a b\\.x\\c."_s;
    QTest::newRow("unicode") << u"C:\\Fotos\\Été"_s << u"C:\\Fotos\\Été"_s;
    QTest::newRow("no letter") << u"\\home"_s << QString();
    QTest::newRow("not a letter") << u"1:\\"_s << QString();
    QTest::newRow("drive-relative") << u"C:home"_s << QString();
    QTest::newRow("empty name") << u"C:\\\\home"_s << QString();
    QTest::newRow("parent") << u"C:\\home\\..\\etc"_s << QString();
    QTest::newRow("current") << u"C:\\.\\home"_s << QString();
    QTest::newRow("slash inside a name") << u"C:\\home/ann"_s << QString();
    QTest::newRow("nul inside a name") << (u"C:\\a"_s + QChar(0) + u"b"_s) << QString();
    QTest::newRow("line break inside a name") << u"C:\\a\r\nb"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void DrivePathTest::readBack()
{
    QFETCH(QString, path);
    QFETCH(QString, readBack);
    const std::optional<DrivePath> parsed = parseDrivePath(path);
    QCOMPARE(parsed.has_value(), !readBack.isEmpty());
    if (parsed)
        QCOMPARE(parsed->text(), readBack);
}

void DrivePathTest::mapsOntoMountsAndBack()
{
    const DriveTable drives({{u'c', u"/"_s, DriveType::Fixed, {}},
                             {u'D', u"/mnt/data/"_s, DriveType::Fixed, {}},
                             {u'E', u"/mnt/data/inner"_s, DriveType::Fixed, {}}});

    const auto native = [&](const QString &path) {
        return drives.nativePath(*parseDrivePath(path)).value_or(u"<none>"_s);
    };
    QCOMPARE(native(u"C:\\"_s), u"/"_s);
    QCOMPARE(native(u"C:\\home\\ann"_s), u"/home/ann"_s);
    QCOMPARE(native(u"D:\\"_s), u"/mnt/data"_s);
    QCOMPARE(native(u"D:\\Photos\\2024"_s), u"/mnt/data/Photos/2024"_s);
    QCOMPARE(native(u"Z:\\x"_s), u"<none>"_s);

    const auto back = [&](const QString &path) {
        const std::optional<DrivePath> result = drives.drivePath(path);
        return result ? result->text() : u"<none>"_s;
    };
    QCOMPARE(back(u"/"_s), u"C:\\"_s);
    QCOMPARE(back(u"/home/ann/"_s), u"C:\\home\\ann"_s);
    QCOMPARE(back(u"/mnt/data"_s), u"D:\\"_s);
    QCOMPARE(back(u"/mnt/data/Photos"_s), u"D:\\Photos"_s);
    // The closest mount holds the path; a name that only begins like a mount is not under it.
    QCOMPARE(back(u"/mnt/data/inner/x"_s), u"E:\\x"_s);
    QCOMPARE(back(u"/mnt/database"_s), u"C:\\mnt\\database"_s);

    for (const QString &path : {u"C:\\home\\ann"_s, u"D:\\Photos\\2024"_s, u"E:\\"_s})
        QCOMPARE(back(native(path)), path);
}

void DrivePathTest::refusesNativePathsItCannotCarry()
{
    const DriveTable onlyData({{u'D', u"/mnt/data"_s, DriveType::Fixed, {}}});
    QVERIFY(!onlyData.drivePath(u"/home"_s));
    QVERIFY(!onlyData.drivePath(u"relative/path"_s));
    QVERIFY(!onlyData.drivePath(u"/mnt/data/back\\slash"_s));
    QVERIFY(onlyData.drivePath(u"/mnt/data/plain"_s));
}

QTEST_GUILESS_MAIN(DrivePathTest)
#include "tst_drivepath.moc"
