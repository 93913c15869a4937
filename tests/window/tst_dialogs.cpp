// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/Dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace brindlewick;
using namespace Qt::StringLiterals;

namespace
{

// Answers the box that is about to open with a key, once it is up, and notes how it looked.
struct Answer {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString details;
    bool wraps = false;

    void with(Qt::Key key)
    {
        QTimer::singleShot(0, [this, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            text = box->text();
            details = box->detailedText();
            wraps = box->findChild<QLabel *>(u"qt_msgbox_label"_s)->wordWrap();
            QTest::keyClick(box, key);
        });
    }
};

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void yesNoBoxDefaultsToYes();
    void escapeAnswersNo();
    void stylesShowTheirIcons_data();
    void stylesShowTheirIcons();
    void eachLineStaysOneLine();
};

void DialogsTest::yesNoBoxDefaultsToYes()
{
    QtDialogs dialogs;
    Answer answer;
    answer.with(Qt::Key_Return);
    QCOMPARE(dialogs.MsgBox(u"Line one\r\nLine two"_s, YesNo, u"Renaming Files..."_s),
             MsgBoxAnswer::Yes);
    QCOMPARE(answer.icon, QMessageBox::NoIcon);
    QCOMPARE(answer.text, u"Line one\nLine two"_s);
}

void DialogsTest::escapeAnswersNo()
{
    QtDialogs dialogs;
    Answer answer;
    answer.with(Qt::Key_Escape);
    QCOMPARE(dialogs.MsgBox(u"Sure?"_s, YesNo, u"Renaming Files..."_s), MsgBoxAnswer::No);
}

void DialogsTest::stylesShowTheirIcons_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("details");
    QTest::newRow("0") << int(OkOnly) << int(QMessageBox::NoIcon) << QString();
    QTest::newRow("16") << int(Critical) << int(QMessageBox::Critical) << u"Why\r\nand how"_s;
    QTest::newRow("64") << int(Information) << int(QMessageBox::Information) << QString();
}

void DialogsTest::stylesShowTheirIcons()
{
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(QString, details);
    QtDialogs dialogs;
    Answer answer;
    answer.with(Qt::Key_Return);
    QCOMPARE(dialogs.MsgBox(u"Done."_s, style, u"Brindlewick"_s, details), MsgBoxAnswer::Ok);
    QCOMPARE(int(answer.icon), icon);
    QCOMPARE(answer.details, QString(details).replace(u"\r\n"_s, u"\n"_s));
}

void DialogsTest::eachLineStaysOneLine()
{
    // Padded to wrap where the box would, as if it were a second name; and longer than a screen.
    const QString padded =
        u"    w1 holiday"_s + QString(140, u' ') + QString(4, QChar(0xa0)) + u"fake-wrapped.txt"_s;
    const QString longName = u"    "_s + QString(400, u'n') + u".jpeg"_s;
    QtDialogs dialogs;
    Answer answer;
    answer.with(Qt::Key_Return);
    dialogs.MsgBox(u"Renamed Files:\r\n"_s + padded + u"\r\n"_s + longName, YesNo,
                   u"Renaming Files..."_s);
    QVERIFY(!answer.wraps);
    QCOMPARE(answer.text.count(u'\n'), 2);
    QVERIFY(answer.text.endsWith(u".jpeg"_s) && answer.text.contains(QChar(0x2026)));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
