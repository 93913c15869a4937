// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/NameDelegate.h"
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"
#include "window/Translations.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextLayout>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

class LanguagesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageFitsAndMirrors_data();
    void everyLanguageFitsAndMirrors();
};

namespace
{

// Each access key once among the texts, compared as the keyboard does, without case.
QString doubledAccessKey(const QStringList &texts)
{
    QSet<QKeySequence> seen;
    for (const QString &text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            return u"no access key in \""_s + text + u'"';
        if (seen.contains(key))
            return u"access key doubled by \""_s + text + u'"';
        seen.insert(key);
    }
    return {};
}

// Whether the view draws the letter at one place of a name left of the letter at another.
bool drawnLeftOf(const QAbstractItemView *view, const QString &name, qsizetype one, qsizetype other)
{
    if (!dynamic_cast<const NameDelegate *>(view->itemDelegate()))
        return false;
    QTextLayout layout(NameDelegate::drawnText(name), view->font());
    QTextOption option;
    option.setTextDirection(view->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const qsizetype isolate = layout.text().size() > name.size() ? 1 : 0;
    return line.cursorToX(int(one + isolate)) < line.cursorToX(int(other + isolate));
}

} // namespace

void LanguagesTest::everyLanguageFitsAndMirrors_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << u"en"_s;
    const QStringList shipped = Translations::shipped();
    QVERIFY(shipped.size() >= 10);
    for (const QString &language : shipped)
        QTest::newRow(qPrintable(language)) << language;
}

void LanguagesTest::everyLanguageFitsAndMirrors()
{
    QFETCH(QString, language);
    const QLocale locale(language);
    const bool english = locale.language() == QLocale::English;
    const bool rightToLeft = locale.textDirection() == Qt::RightToLeft;
    const Translations translations(locale);
    QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    // The widths below are only true where a font draws the language's letters.
    const QHash<QString, QFontDatabase::WritingSystem> ownLetters = {
        {u"fa"_s, QFontDatabase::Arabic},
        {u"ja"_s, QFontDatabase::Japanese},
        {u"zh_CN"_s, QFontDatabase::SimplifiedChinese}};
    if (ownLetters.contains(language))
        QVERIFY2(QFontDatabase::writingSystems().contains(ownLetters.value(language)),
                 "no font draws the language: install fonts-dejavu-core and fonts-droid-fallback");

    WindowFixture f;
    const QString deep = u"C:\\one\\two\\three\\four\\five\\six\\seven"_s;
    f.make({deep}, {u"C:\\a.txt"_s, u"C:\\b.txt"_s});
    f.start();
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    QCOMPARE(c.cmdRename->text() == u"Rename Files"_s, english);
    // Qt's own buttons, where Qt's translations are installed (the test script installs them).
    const QDir qtTranslations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtTranslations.exists(u"qtbase_"_s + language + u".qm"_s))
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == u"&Yes"_s, english);
    QVERIFY2(!c.lsList->accessibleDescription().contains(u'%'),
             qPrintable(c.lsList->accessibleDescription()));
    // A screen reader names the text box by its label, without the label's colon.
    const QString boxName = c.Text1->accessibleName();
    QVERIFY2(!boxName.isEmpty() && boxName.back().isLetter(), qPrintable(boxName));

    // Every caption fits the room the layout gives its control, at the usual font; a
    // translation that does not is too long.
    QCOMPARE(w.layoutScale(), 1.0);
    for (const DrawnPlace &place : drawnPlaces(c)) {
        if (place.roomEnd == 0)
            continue;
        const int room = twipsToPixels(place.roomEnd) - twipsToPixels(place.twips.x());
        QVERIFY2(place.control->sizeHint().width() <= room,
                 qPrintable(place.control->objectName() + u" is "_s +
                            QString::number(place.control->sizeHint().width()) +
                            u" pixels wide: "_s + place.control->property("text").toString()));
    }

    const QString inWindow = doubledAccessKey({c.optAttachBegin->text(), c.optAttachEnd->text(),
                                               c.optReplace->text(), c.chkCase->text()});
    QVERIFY2(inWindow.isEmpty(), qPrintable(inWindow));
    const QString inMenu = doubledAccessKey({c.lsSelAll->text(), c.lsDeselAll->text()});
    QVERIFY2(inMenu.isEmpty(), qPrintable(inMenu));

    // In a right-to-left language every control stands at its place mirrored: the tree on the
    // right, the list on the left, the panel on the left under it.
    for (const DrawnPlace &place : drawnPlaces(c)) {
        const QRect drawn = twipsToPixels(place.twips);
        const QRect actual = place.control->geometry();
        const int leadingEdge = rightToLeft ? w.width() - actual.right() - 1 : actual.left();
        QVERIFY2(leadingEdge == drawn.left() && actual.top() == drawn.top(),
                 qPrintable(place.control->objectName()));
        if (place.roomEnd == 0)
            QCOMPARE(actual.width(), drawn.width());
    }
    const QRect bar = c.pbStatus->bar()->geometry();
    QCOMPARE(bar.left(), 0);
    QCOMPARE(bar.right(), w.width() - 1);
    // The option's circle and the bar's start follow the direction of the control.
    for (const QWidget *control :
         std::initializer_list<const QWidget *>{c.optAttachBegin, c.pbStatus->bar()})
        QCOMPARE(control->layoutDirection(), QApplication::layoutDirection());
    QVERIFY(!c.pbStatus->bar()->invertedAppearance());

    // A folder deep down is shown from where its line begins: its image and its name's start.
    f.showFolder(deep);
    const QRect row = c.DirTree->visualItemRect(c.DirTree->currentItem());
    const int lineStart = 2 * row.height();
    QVERIFY(c.DirTree->viewport()->rect().contains(
        rightToLeft ? row.adjusted(row.width() - lineStart, 0, 0, 0)
                    : row.adjusted(0, 0, lineStart - row.width(), 0)));

    // Names keep their own direction in the list and the tree, whatever the window's: the mark
    // ending a Latin name stays at its right, the one ending a Persian name at its left.
    const QString latin = u"ab!"_s;
    const QString persian = u"\u0639\u06A9\u0633!"_s;
    for (const QAbstractItemView *view :
         std::initializer_list<const QAbstractItemView *>{c.lsList, c.DirTree}) {
        QVERIFY(drawnLeftOf(view, latin, 1, latin.size() - 1));
        QVERIFY(drawnLeftOf(view, persian, persian.size() - 1, 1));
    }
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
