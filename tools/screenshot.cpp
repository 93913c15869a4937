// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the README's pictures of the window as a user first gets it: at its own size, on a drive
// without a label, a folder of holiday photos open, its files selected, the text to attach typed.
// Writes the PNG given as the first argument; a second argument sets the font's size in points.
// The window speaks the language of the locale, as the program does.
#include "platform/PosixPlatform.h"
#include "window/Dialogs.h"
#include "window/NodeTree.h"
#include "window/Translations.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace brindlewick;
using namespace Qt::StringLiterals;

namespace
{

void makeFolder(const QString &root, const QString &path, const QStringList &files = {})
{
    QDir().mkpath(root + u'/' + path);
    for (const QString &file : files) {
        QFile made(root + u'/' + path + u'/' + file);
        made.open(QIODevice::WriteOnly);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [FONT_POINT_SIZE]\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (argc == 3) {
        QFont font = QApplication::font();
        font.setPointSize(QString::fromLocal8Bit(argv[2]).toInt());
        QApplication::setFont(font);
    }

    const Translations translations;
    QTemporaryDir root;
    QStringList photos;
    for (int i = 2041; i <= 2058; ++i)
        photos.append(u"IMG_"_s + QString::number(i) + u".jpg"_s);
    makeFolder(root.path(), u"home/ann/Pictures/Rome 2024"_s, photos);
    makeFolder(root.path(), u"home/ann/Pictures/Lisbon 2023"_s, {u"IMG_1001.jpg"_s});
    makeFolder(root.path(), u"home/ann/Documents/Letters"_s);
    makeFolder(root.path(), u"home/ann/Music/Albums"_s);
    makeFolder(root.path(), u"usr/share"_s);
    makeFolder(root.path(), u"etc"_s);

    PosixPlatform platform(DriveTable({{u'C', root.path(), DriveType::Fixed, {}}}), u"C:\\usr"_s);
    QtDialogs dialogs;
    frmMain window(platform, dialogs);
    window.Form_Load();
    window.show();
    auto *tree = window.findChild<NodeTree *>(u"DirTree"_s);
    for (const QString &key : {u"C:\\\\home"_s, u"C:\\home\\ann"_s, u"C:\\home\\ann\\Pictures"_s})
        tree->node(key)->setExpanded(true);
    QApplication::processEvents(); // as a user's clicks would be, one after the other
    TreeNode *rome = tree->node(u"C:\\home\\ann\\Pictures\\Rome 2024"_s);
    tree->setSelectedItem(rome);
    window.DirTree_NodeClick(rome);
    window.lsSelAll_Click();
    window.findChild<QRadioButton *>(u"optAttachEnd"_s)->click();
    window.findChild<QLineEdit *>(u"Text1"_s)->setText(u" (Rome)"_s);

    int status = 1;
    QTimer::singleShot(500, &window, [&] {
        status = window.grab().save(output) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
