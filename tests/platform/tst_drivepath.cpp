// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DrivePath.h"

#include <QTest>

using namespace brindlewick;
using namespace Qt::StringLiterals;

class DrivePathTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readBack_data();
    void readBack();
    void misleadingCharacters_data();
    void misleadingCharacters();
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
    // Tags stand only inside a whole flag: U+1F3F4, tags, the cancel tag U+E007F.
    const QString flag = u"C:\\\U0001F3F4"_s, tag = u"\U000E0067"_s, cancel = u"\U000E007F"_s;
    QTest::newRow("flag") << flag + tag + tag + cancel << flag + tag + tag + cancel;
    QTest::newRow("flag without cancel tag") << flag + tag << QString();
    QTest::newRow("flag without tags") << flag + cancel << QString();
    QTest::newRow("tag after another base") << u"C:\\\U0001F3F3"_s + tag + cancel << QString();
    QTest::newRow("tag after a flag") << flag + tag + cancel + tag << QString();
    QTest::newRow("empty") << QString() << QString();
}

void DrivePathTest::readBack()
{
    QFETCH(QString, path);
    QFETCH(QString, readBack);
    const std::optional<DrivePath> parsed = parseDrivePath(path);
    QCOMPARE(parsed.has_value(), !readBack.isEmpty());
    if (parsed)
        QCOMPARE(parsed->letter + u":\\"_s + parsed->names.join(u'\\'), readBack);
}

void DrivePathTest::misleadingCharacters_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("representable");
    // Controls, separators and invisible format characters are refused, beyond the Basic
    // Multilingual Plane too; their neighbours, joiners and right-to-left marks are not.
    for (const int code : {0x00, 0x1f, 0x7f, 0x80, 0x85, 0x9f, 0xad, 0x200b, 0x2028, 0x2029, 0x202a,
                           0x202e, 0x2060, 0x2066, 0x2069, 0xfeff, 0xe0001, 0xe0067, 0xe007f})
        QTest::addRow("U+%04X", code) << code << false;
    for (const int code :
         {0x20, 0x7e, 0xa0, 0x61c, 0x200c, 0x200d, 0x200e, 0x200f, 0x2027, 0x202f, 0xff0f, 0x1f600})
        QTest::addRow("U+%04X", code) << code << true;
}

void DrivePathTest::misleadingCharacters()
{
    QFETCH(int, code);
    QFETCH(bool, representable);
    const QString c = QStringView(QChar::fromUcs4(char32_t(code))).toString();
    QCOMPARE(isRepresentableName(u"photo"_s + c + u"gpj.txt"_s), representable);
}

QTEST_GUILESS_MAIN(DrivePathTest)
#include "tst_drivepath.moc"
