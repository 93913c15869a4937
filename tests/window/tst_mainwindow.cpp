// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"
#include "window/NodeTree.h"
#include "window/ProgressMeter.h"
#include "window/ReportList.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

using namespace brindlewick;
using namespace brindlewick::test;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlsAtCreation();
    void geometryAtInitialSize();
    void tabOrder();
    void enlargingGrowsTreeAndList();
    void layoutFollowsTheFont();
    void layoutNeitherShrinksNorOutgrowsTheScreen();
    void layoutScaleFitsEveryScreen_data();
    void layoutScaleFitsEveryScreen();
    void accessKeysReachTheOptions();
    void enterPressesRenameFiles();
    void imagesUnderTheirKeys();
};

namespace
{

QRect twips(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace

void MainWindowTest::controlsAtCreation()
{
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();

    QCOMPARE(w.windowTitle(), u"Brindlewick"_s);
    for (QWidget *shown : std::initializer_list<QWidget *>{
             c.Label1, c.Text1, c.optAttachBegin, c.optAttachEnd, c.optReplace, c.chkCase,
             c.cmdRename, c.DirTree, c.lsList, c.pbStatus->bar()})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    for (QWidget *hidden : {static_cast<QWidget *>(c.Label2), static_cast<QWidget *>(c.Label3),
                            static_cast<QWidget *>(c.Text2), static_cast<QWidget *>(c.imgIcon)})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));

    QCOMPARE(c.Label1->text(), u"Text to add:"_s);
    QCOMPARE(c.Label2->text(), u"Replace with:"_s);
    QCOMPARE(c.Label3->text(), u"Text to replace:"_s);
    QCOMPARE(c.optAttachBegin->text(), u"Attach to &Beginning"_s);
    QCOMPARE(c.optAttachEnd->text(), u"Attach to &End"_s);
    QCOMPARE(c.optReplace->text(), u"&Replace Text"_s);
    QCOMPARE(c.chkCase->text(), u"&Case Sensitive"_s);
    QCOMPARE(c.cmdRename->text(), u"Rename Files"_s);
    QVERIFY(c.optAttachBegin->isChecked());
    QVERIFY(!c.optAttachEnd->isChecked() && !c.optReplace->isChecked());
    QVERIFY(!c.chkCase->isChecked());
    QVERIFY(!c.chkCase->isEnabled());
    QVERIFY(c.Text1->text().isEmpty() && c.Text2->text().isEmpty());

    QCOMPARE(c.lsList->model()->columnCount(), 1);
    QCOMPARE(c.lsList->model()->headerData(0, Qt::Horizontal).toString(), u"Name"_s);
    QCOMPARE(c.lsList->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(c.lsList->itemCount(), 0);
    QCOMPARE(c.pbStatus->Max(), 100);
    QCOMPARE(c.pbStatus->Value(), 0);

    // The pop-up menu exists, but no menu bar shows it.
    QCOMPARE(c.hidMenu->title(), u"hiddenMenu"_s);
    QCOMPARE(c.hidMenu->actions(), (QList<QAction *>{c.lsSelAll, c.lsDeselAll}));
    QCOMPARE(c.lsSelAll->text(), u"Select &All"_s);
    QCOMPARE(c.lsDeselAll->text(), u"&Deselect All"_s);
    QVERIFY(!c.hidMenu->isVisible());
    QVERIFY(w.findChildren<QMenuBar *>().isEmpty());
    QVERIFY(f.dialogs.boxes().isEmpty());
}

void MainWindowTest::geometryAtInitialSize()
{
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();

    QCOMPARE(w.size(), QSize(twipsToPixels(6015), twipsToPixels(6240)));
    // The bar's last row would fall outside the window: it ends with the window instead.
    QCOMPARE(c.pbStatus->bar()->geometry(), twips(0, 6000, 6015, 255).intersected(w.rect()));
    // Captioned controls stand in their place and reach at least as far as the layout has
    // them, further where the desktop's font needs it; the others are as drawn.
    for (const DrawnPlace &drawn : drawnPlaces(c)) {
        const QRect place = twipsToPixels(drawn.twips);
        const QRect actual = drawn.control->geometry();
        QVERIFY2(actual.topLeft() == place.topLeft(), qPrintable(drawn.control->objectName()));
        QCOMPARE(actual.height(), place.height());
        if (!drawn.roomEnd) {
            QCOMPARE(actual.width(), place.width());
            continue;
        }
        QCOMPARE(actual.width(), std::max(place.width(), drawn.control->sizeHint().width()));
        QVERIFY2(actual.right() < w.width(), qPrintable(drawn.control->objectName()));
    }
    QCOMPARE(c.lsList->columnWidth(0), twipsToPixels(3030));
}

void MainWindowTest::tabOrder()
{
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();
    c.optReplace->setChecked(true); // every control of the order can take focus

    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QWidget *> expected = {c.lsList,       c.Text1,      c.Text2,   c.optAttachBegin,
                                       c.optAttachEnd, c.optReplace, c.chkCase, c.DirTree,
                                       c.cmdRename,    c.lsList};
    c.lsList->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 0; i + 1 < expected.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), expected[i]);
        // The three options form one group that Tab enters at the chosen one; arrow keys
        // move within it. Focus each in turn so the walk passes every control.
        if (qobject_cast<QRadioButton *>(expected[i + 1]))
            expected[i + 1]->setFocus(Qt::TabFocusReason);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(c.pbStatus->bar()->focusPolicy(), Qt::NoFocus);
}

void MainWindowTest::enlargingGrowsTreeAndList()
{
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();
    QVERIFY(w.minimumSize() == w.size());

    const int dx = 300;
    const int dy = 120;
    w.resize(w.width() + dx, w.height() + dy);

    const QRect tree = c.DirTree->geometry();
    const QRect list = c.lsList->geometry();
    QCOMPARE(tree.topLeft(), QPoint(0, 0));
    QCOMPARE(tree.height(), twipsToPixels(6015) + dy);
    QVERIFY(tree.width() > twipsToPixels(2685));
    QCOMPARE(list.right(), twips(2670, -15, 3375, 3135).right() + dx);
    QCOMPARE(list.height(), twipsToPixels(3135) + dy);
    QVERIFY(list.width() > twipsToPixels(3375));
    // The tree and the list still meet where they did.
    QCOMPARE(list.left() - tree.right(), twipsToPixels(2670) - (twipsToPixels(2685) - 1));

    // The panel and the button keep their distance to the bottom right corner.
    QCOMPARE(c.Text1->geometry(), twips(2760, 3480, 3135, 285).translated(dx, dy));
    QCOMPARE(c.chkCase->pos(), twips(3480, 4920, 1575, 375).topLeft() + QPoint(dx, dy));
    QCOMPARE(c.cmdRename->pos(), twips(4440, 5520, 1455, 375).topLeft() + QPoint(dx, dy));
    QCOMPARE(c.pbStatus->bar()->geometry(),
             twips(0, 6000, 6015 + 15 * dx, 255).translated(0, dy).intersected(w.rect()));
    // The name column grows with the list, so long names have the room.
    QCOMPARE(c.lsList->columnWidth(0), twipsToPixels(3030) + list.width() - twipsToPixels(3375));
}

void MainWindowTest::layoutFollowsTheFont()
{
    const QFont usual = QApplication::font();
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
    QFont large = usual;
    large.setPointSize(14);
    QApplication::setFont(large);
    WindowFixture f;
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.show();

    // The whole layout grows with the font's height, from the 14 pixels it was drawn for.
    const double scale = w.fontMetrics().height() / 14.0;
    QVERIFY(scale > 1.4);
    QCOMPARE(w.layoutScale(), scale);
    const auto scaled = [scale](int left, int top, int width, int height) {
        const auto px = [scale](int twips) { return twipsToPixels(qRound(twips * scale)); };
        return QRect(px(left), px(top), px(width), px(height));
    };
    QCOMPARE(w.size(), scaled(0, 0, 6015, 6240).size());
    QCOMPARE(w.minimumSize(), w.size());
    QCOMPARE(c.lsList->geometry(), scaled(2670, -15, 3375, 3135));
    QCOMPARE(c.DirTree->geometry(), scaled(0, 0, 2685, 6015));
    QCOMPARE(c.Text1->geometry(), scaled(2760, 3480, 3135, 285));
    QCOMPARE(c.cmdRename->pos(), scaled(4440, 5520, 1455, 375).topLeft());
    QCOMPARE(c.chkCase->pos(), scaled(3480, 4920, 1575, 375).topLeft());

    // Every caption and text fits, and no control reaches into the next (a label shares its
    // last row with the box below it, as drawn).
    const int frame = w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    QVERIFY(c.Text1->height() - 2 * frame >= c.Text1->fontMetrics().height());
    for (QWidget *captioned : std::initializer_list<QWidget *>{
             c.Label1, c.optAttachBegin, c.optAttachEnd, c.optReplace, c.chkCase, c.cmdRename}) {
        QVERIFY2(captioned->width() >= captioned->sizeHint().width(),
                 qPrintable(captioned->objectName()));
        QVERIFY2(captioned->height() >= captioned->fontMetrics().height(),
                 qPrintable(captioned->objectName()));
    }
    const QWidget *column[] = {c.Label1,     c.Text1,   c.optAttachBegin, c.optAttachEnd,
                               c.optReplace, c.chkCase, c.cmdRename,      c.pbStatus->bar()};
    for (std::size_t i = 1; i < std::size(column); ++i)
        QVERIFY2(column[i - 1]->geometry().bottom() <= column[i]->geometry().top(),
                 qPrintable(column[i]->objectName()));
    QVERIFY(w.rect().contains(c.pbStatus->bar()->geometry()));
    QVERIFY(w.rect().contains(c.cmdRename->geometry()));

    // Back to the usual font, the layout is the one drawn.
    w.setFont(usual);
    QCOMPARE(w.layoutScale(), 1.0);
    QCOMPARE(w.minimumSize(), QSize(twipsToPixels(6015), twipsToPixels(6240)));
    QCOMPARE(c.Text1->geometry(),
             twips(2760, 3480, 3135, 285)
                 .translated(w.width() - w.minimumWidth(), w.height() - w.minimumHeight()));
}

void MainWindowTest::layoutNeitherShrinksNorOutgrowsTheScreen()
{
    const QFont usual = QApplication::font();
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
    for (const int points : {6, 20}) {
        QFont font = usual;
        font.setPointSize(points);
        QApplication::setFont(font);
        WindowFixture f;
        frmMain &w = f.window;
        w.show();
        const QSize room = w.screen()->availableGeometry().size();
        if (points < usual.pointSize()) {
            // A smaller font than the layout was drawn for leaves it as drawn.
            QCOMPARE(w.size(), QSize(twipsToPixels(6015), twipsToPixels(6240)));
            continue;
        }
        // The font alone would make the window taller than the screen.
        QVERIFY(w.fontMetrics().height() / 14.0 * twipsToPixels(6240) > room.height());
        QVERIFY(w.minimumWidth() <= room.width() && w.minimumHeight() <= room.height());
        const WindowControls &c = f.ui;
        for (const QWidget *control : std::initializer_list<const QWidget *>{
                 c.Label1, c.Text1, c.optAttachBegin, c.optAttachEnd, c.optReplace, c.chkCase,
                 c.cmdRename, c.pbStatus->bar()})
            QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void MainWindowTest::layoutScaleFitsEveryScreen_data()
{
    QTest::addColumn<int>("fontHeight");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("expected"); // 0: whatever fits

    // Room in the screen's own pixels: a 1366 x 768 screen less a 32-pixel panel, at a device
    // pixel ratio of 1, 2 (QT_SCALE_FACTOR=2 or QT_FONT_DPI=192) and 2.22 (QT_FONT_DPI=213).
    QTest::newRow("usual font, ratio 1") << 14 << QSize(1366, 736) << 1.0;
    QTest::newRow("usual font, ratio 2") << 14 << QSize(683, 368) << 0.0;
    QTest::newRow("usual font, ratio 2.22") << 14 << QSize(615, 331) << 0.0;
    QTest::newRow("small font") << 10 << QSize(1920, 1050) << 1.0;
    QTest::newRow("large font, large screen") << 28 << QSize(2560, 1400) << 2.0;
    QTest::newRow("large font, ratio 1") << 28 << QSize(1366, 736) << 0.0;
}

void MainWindowTest::layoutScaleFitsEveryScreen()
{
    QFETCH(int, fontHeight);
    QFETCH(QSize, available);
    QFETCH(double, expected);
    const double scale = layoutScaleFor(fontHeight, available);
    if (expected > 0)
        QCOMPARE(scale, expected);
    // The window with its frame, as the layout sizes it, within the screen.
    const QSize window(twipsToPixels(qRound(6015 * scale)), twipsToPixels(qRound(6240 * scale)));
    QVERIFY2(window.width() + 64 <= available.width() && window.height() + 64 <= available.height(),
             qPrintable(QString::number(scale)));
}

void MainWindowTest::accessKeysReachTheOptions()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"aA.txt"_s});
    f.start();
    frmMain &w = f.window;
    const WindowControls &c = f.ui;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier); // greyed: nothing happens
    QTest::qWait(300);
    QVERIFY(!c.chkCase->isChecked());
    QCOMPARE(f.modeInEffect(), 1);

    // A button answers its access key with an animated click, which lands a moment later.
    QTest::keyClick(&w, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(c.optAttachEnd->isChecked());
    QCOMPARE(f.modeInEffect(), 2);
    QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(c.optReplace->isChecked());
    QCOMPARE(f.modeInEffect(), 3);
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(c.chkCase->isChecked());
    QCOMPARE(f.modeInEffect(), 4);
    QTest::keyClick(&w, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(c.optAttachBegin->isChecked());
    QCOMPARE(f.modeInEffect(), 1);
}

void MainWindowTest::enterPressesRenameFiles()
{
    WindowFixture f;
    f.makeFiles(u"C:"_s, {u"a.txt"_s});
    f.start();
    const WindowControls &c = f.ui;
    // Each asks first; the answer No leaves the file and the texts for the next key.
    const auto press = [&](QWidget *on, Qt::Key key) {
        f.select({u"a.txt"_s});
        f.expectConfirmation(MsgBoxAnswer::No);
        QTest::keyClick(on, key);
        QVERIFY2(f.dialogs.allAnswered(), qPrintable(on->objectName()));
    };
    c.Text1->setText(u"x"_s);
    press(c.cmdRename, Qt::Key_Return);
    press(c.cmdRename, Qt::Key_Enter);
    press(c.Text1, Qt::Key_Return);
    c.optReplace->click();
    c.Text1->setText(u"a"_s);
    c.Text2->setText(u"b"_s);
    press(c.Text2, Qt::Key_Enter);
    QCOMPARE(f.drives.entriesOf(u"C:\\"_s), QStringList{u"a.txt"_s});
}

void MainWindowTest::imagesUnderTheirKeys()
{
    WindowFixture f;
    const WindowControls &c = f.ui;
    const ImageList img(*f.window.style());
    QCOMPARE(img.keys(), (QStringList{u"unknown"_s, u"fixed"_s, u"ram"_s, u"remove"_s, u"cd"_s,
                                      u"folder"_s, u"open"_s}));
    for (const QString &key : img.keys())
        QVERIFY2(!img.icon(key).isNull(), qPrintable(key));
    QVERIFY(img.icon(u"nonesuch").isNull());
    QVERIFY(!c.imgIcon->pixmap().isNull());
    QCOMPARE(c.imgIcon->pixmap().size(), QSize(16, 16));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
