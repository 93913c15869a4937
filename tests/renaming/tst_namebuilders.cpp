// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "renaming/NameBuilders.h"

#include <QRandomGenerator>
#include <QTest>

using namespace brindlewick;
using namespace Qt::StringLiterals;

namespace
{

std::vector<NameRow> rowsOf(const QStringList &names)
{
    std::vector<NameRow> rows;
    for (const QString &name : names)
        rows.push_back(splitAtLastDot(name));
    return rows;
}

// Names with the shapes that trip splitting and replacing up: several dots, leading and
// trailing dots, blanks, letters with case outside ASCII.
QStringList generatedNames(int count)
{
    const QString alphabet = u"aAbB.. xXéÉßΣσдД1_"_s;
    QRandomGenerator random(7);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QString name;
        const int length = 1 + random.bounded(10);
        for (int k = 0; k < length; ++k)
            name += alphabet.at(random.bounded(int(alphabet.size())));
        names.append(name);
    }
    return names;
}

// Non-overlapping occurrences, counted the plain way.
qsizetype occurrences(const QString &text, const QString &find, Qt::CaseSensitivity sensitivity)
{
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(find, 0, sensitivity); at >= 0;
         at = text.indexOf(find, at + find.size(), sensitivity))
        ++count;
    return count;
}

} // namespace

class NameBuildersTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void split_data();
    void split();
    void attach_data();
    void attach();
    void replace_data();
    void replace();
    void listsAtMostThreeNames_data();
    void listsAtMostThreeNames();
    void confirmationText();
    void noticeText();
    void propertiesOverManyNames();
};

void NameBuildersTest::split_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("two dots") << u"report.final.txt"_s << u"report.final"_s << u".txt"_s;
    QTest::newRow("no dot") << u"README"_s << u"README"_s << QString();
    QTest::newRow("trailing dot") << u"archive."_s << u"archive"_s << u"."_s;
    QTest::newRow("leading dot") << u".profile"_s << QString() << u".profile"_s;
}

void NameBuildersTest::split()
{
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    QFETCH(QString, extension);
    const NameRow row = splitAtLastDot(fileName);
    QCOMPARE(row.name, name);
    QCOMPARE(row.extension, extension);
}

void NameBuildersTest::attach_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("atBeginning");
    QTest::addColumn<QString>("atEnd");
    QTest::newRow("plain") << u"report.txt"_s << u"new_report.txt"_s << u"report_old.txt"_s;
    QTest::newRow("two dots") << u"archive.tar.gz"_s << u"new_archive.tar.gz"_s
                              << u"archive.tar_old.gz"_s;
    QTest::newRow("no dot") << u"README"_s << u"new_README"_s << u"README_old"_s;
    QTest::newRow("leading dot") << u".profile"_s << u"new_.profile"_s << u"_old.profile"_s;
    QTest::newRow("trailing dot") << u"notes."_s << u"new_notes."_s << u"notes_old."_s;
}

void NameBuildersTest::attach()
{
    QFETCH(QString, fileName);
    QFETCH(QString, atBeginning);
    QFETCH(QString, atEnd);
    std::vector<NameRow> front = rowsOf({fileName});
    attachAtBeginning(front, u"new_");
    QCOMPARE(front[0].fullName(), atBeginning);
    std::vector<NameRow> back = rowsOf({fileName});
    attachAtEnd(back, u"_old");
    QCOMPARE(back[0].fullName(), atEnd);

    // Blanks are attached as typed.
    std::vector<NameRow> blanks = rowsOf({fileName});
    attachAtBeginning(blanks, u" a ");
    QCOMPARE(blanks[0].fullName(), u" a "_s + fileName);
}

void NameBuildersTest::replace_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QString>("planned");
    QTest::addColumn<bool>("unchanged");
    const auto both = [](const char *tag, const QString &file, const QString &find,
                         const QString &replacement, const QString &planned, bool unchanged) {
        for (const bool ignoreCase : {true, false}) {
            QTest::addRow("%s, %s", tag, ignoreCase ? "ignoring case" : "regarding case")
                << file << find << replacement << ignoreCase << planned << unchanged;
        }
    };
    both("word", u"holiday photo.jpg"_s, u"photo"_s, u"picture"_s, u"holiday picture.jpg"_s, false);
    QTest::newRow("case ignored") << u"Photo.JPG"_s << u"photo"_s << u"pic"_s << true
                                  << u"pic.JPG"_s << false;
    QTest::newRow("case regarded")
        << u"Photo.JPG"_s << u"photo"_s << u"pic"_s << false << u"Photo.JPG"_s << true;
    both("no overlap", u"aaa.txt"_s, u"aa"_s, u"b"_s, u"ba.txt"_s, false);
    both("inserted text not searched", u"ab.txt"_s, u"a"_s, u"aa"_s, u"aab.txt"_s, false);
    both("across the last dot", u"data.txt"_s, u"a.t"_s, u"x"_s, u"data.txt"_s, true);
    both("extension untouched", u"txt.txt"_s, u"txt"_s, u"doc"_s, u"doc.txt"_s, false);
    both("inner dot", u"archive.tar.gz"_s, u"."_s, u"_"_s, u"archive_tar.gz"_s, false);
    QTest::newRow("case change only")
        << u"Abc.txt"_s << u"A"_s << u"a"_s << true << u"abc.txt"_s << false;
    both("itself", u"abc.txt"_s, u"b"_s, u"b"_s, u"abc.txt"_s, true);
    both("only an extension", u".profile"_s, u"pro"_s, u"x"_s, u".profile"_s, true);
    both("empty replacement", u"report_old.txt"_s, u"_old"_s, QString(), u"report.txt"_s, false);
    both("every occurrence", u"a_old_old.txt"_s, u"_old"_s, QString(), u"a.txt"_s, false);
    both("name part emptied", u"abc.txt"_s, u"abc"_s, QString(), u".txt"_s, false);
    QTest::newRow("accented letters")
        << u"ÉTÉ.jpg"_s << u"été"_s << u"Summer"_s << true << u"Summer.jpg"_s << false;
    QTest::newRow("greek") << u"ΣΟΦΙΑ.txt"_s << u"σοφια"_s << u"x"_s << true << u"x.txt"_s << false;
    QTest::newRow("cyrillic") << u"Дом.txt"_s << u"дом"_s << u"home"_s << true << u"home.txt"_s
                              << false;
    QTest::newRow("put back as found")
        << u"Abc.txt"_s << u"a"_s << u"A"_s << true << u"Abc.txt"_s << true;
    // "é" written as "e" and a combining accent looks the same as "é" and is found by it, and
    // the other way round; what lies outside the match keeps its code points.
    both("decomposed name", u"Cafe\u0301 cre\u0300me.txt"_s, u"Caf\u00e9"_s, u"Tea"_s,
         u"Tea cre\u0300me.txt"_s, false);
    QTest::newRow("decomposed name, upper case search")
        << u"Cafe\u0301.txt"_s << u"CAF\u00c9"_s << u"x"_s << true << u"x.txt"_s << false;
    both("decomposed search", u"cr\u00e8me caf\u00e9.txt"_s, u"cafe\u0301"_s, u"th\u00e9"_s,
         u"cr\u00e8me th\u00e9.txt"_s, false);
    QTest::newRow("decomposed search, upper case name")
        << u"CAF\u00c9.txt"_s << u"cafe\u0301"_s << u"x"_s << true << u"x.txt"_s << false;
    both("not half a character", u"e\u0301t\u00e9 e.txt"_s, u"e"_s, u"a"_s,
         u"e\u0301t\u00e9 a.txt"_s, false);
    both("put back in another spelling", u"Caf\u00e9.txt"_s, u"\u00e9"_s, u"e\u0301"_s,
         u"Caf\u00e9.txt"_s, true);
    both("hangul", u"\uD55C\uAD6D \u1112\u1161\u11AB.txt"_s, u"\uD55C"_s, u"x"_s,
         u"x\uAD6D x.txt"_s, false);
    both("hangul, not half a syllable", u"\uD55C.txt"_s, u"\u1112\u1161"_s, u"x"_s, u"\uD55C.txt"_s,
         true);
}

void NameBuildersTest::replace()
{
    QFETCH(QString, fileName);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(bool, ignoreCase);
    QFETCH(QString, planned);
    QFETCH(bool, unchanged);
    std::vector<NameRow> rows = rowsOf({fileName});
    const bool someUnchanged = replaceInNames(rows, find, replacement,
                                              ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    QCOMPARE(rows[0].fullName(), planned);
    QCOMPARE(someUnchanged, unchanged);
}

void NameBuildersTest::listsAtMostThreeNames_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("listed");
    QTest::newRow("one") << 1 << u"    f1.txt\r\n"_s;
    QTest::newRow("two") << 2 << u"    f1.txt\r\n    f2.txt\r\n"_s;
    QTest::newRow("three") << 3
                           << u"    f1.txt\r\n    f2.txt\r\n    f3.txt\r\n        (etcetera)\r\n"_s;
    QTest::newRow("ten") << 10
                         << u"    f1.txt\r\n    f2.txt\r\n    f3.txt\r\n        (etcetera)\r\n"_s;
}

void NameBuildersTest::listsAtMostThreeNames()
{
    QFETCH(int, files);
    QFETCH(QString, listed);
    QStringList names;
    for (int i = 1; i <= files; ++i)
        names.append(u"f"_s + QString::number(i) + u".txt"_s);
    QCOMPARE(confirmationPrompt(rowsOf(names)),
             u"Warning:  There is no undo!\r\n\r\nRenamed Files:\r\n"_s + listed +
                 u"\r\nDo you wish to continue?"_s);
}

void NameBuildersTest::confirmationText()
{
    // A planned name is never reversed by what it holds, nor a flag spelled out.
    const QString wales =
        u"\U0001F3F4\U000E0067\U000E0062\U000E0077\U000E006C\U000E0073\U000E007F"_s;
    std::vector<NameRow> rows =
        rowsOf({u"report.txt"_s, u"README"_s, wales + QChar(0x202e) + u"gpj\U000E0067.exe"_s});
    attachAtEnd(rows, u"_old");
    QCOMPARE(confirmationPrompt(rows), u"Warning:  There is no undo!\r\n"
                                       "\r\n"
                                       "Renamed Files:\r\n"
                                       "    report_old.txt\r\n"
                                       "    README_old\r\n"
                                       "    %1<U+202E>gpj<U+E0067>_old.exe\r\n"
                                       "        (etcetera)\r\n"
                                       "\r\n"
                                       "Do you wish to continue?"_s.arg(wales));
}

void NameBuildersTest::noticeText()
{
    QCOMPARE(unchangedNamesNotice(), u"Some files did not contain the string to be replaced.\r\n"
                                     "\r\n"
                                     "Those files will not be renamed."_s);
}

void NameBuildersTest::propertiesOverManyNames()
{
    const QStringList names = generatedNames(3000);
    const std::vector<NameRow> original = rowsOf(names);
    for (std::size_t i = 0; i < original.size(); ++i) {
        QCOMPARE(original[i].fullName(), names[qsizetype(i)]);
        QVERIFY(!original[i].name.contains(u'.') || original[i].extension.startsWith(u'.'));
        QVERIFY(!original[i].extension.mid(1).contains(u'.'));
    }

    const QStringList finds = {u"."_s, u"a"_s, u"A."_s, u"é"_s, u"σ"_s, u" "_s, u"x.x"_s};
    for (const QString &find : finds) {
        for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            std::vector<NameRow> replaced = original;
            replaceInNames(replaced, find, u"#"_s, sensitivity);
            std::vector<NameRow> itself = original;
            replaceInNames(itself, find, find, sensitivity);
            for (std::size_t i = 0; i < original.size(); ++i) {
                // The extension never changes, and the planned name is the two parts joined.
                QCOMPARE(replaced[i].extension, original[i].extension);
                QCOMPARE(replaced[i].fullName(), replaced[i].name + original[i].extension);
                // Every occurrence in the name part, and nothing else, became one "#": none
                // that spans the last dot, none made of inserted text.
                QCOMPARE(replaced[i].name.count(u'#'),
                         occurrences(original[i].name, find, sensitivity));
                if (sensitivity == Qt::CaseSensitive)
                    QCOMPARE(QString(replaced[i].name).replace(u'#', find), original[i].name);
                // Regarding case, a text put in its own place changes nothing.
                if (sensitivity == Qt::CaseSensitive)
                    QCOMPARE(itself[i].name, original[i].name);
            }
        }
    }

    std::vector<NameRow> front = original;
    attachAtBeginning(front, u"../"_s);
    std::vector<NameRow> back = original;
    attachAtEnd(back, u" é."_s);
    for (std::size_t i = 0; i < original.size(); ++i) {
        QCOMPARE(front[i].extension, original[i].extension);
        QCOMPARE(front[i].fullName(), u"../"_s + names[qsizetype(i)]);
        QCOMPARE(back[i].fullName(), original[i].name + u" é."_s + original[i].extension);
    }
}

QTEST_GUILESS_MAIN(NameBuildersTest)
#include "tst_namebuilders.moc"
