// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PosixPlatform.h"
#include "window/Dialogs.h"
#include "window/Translations.h"
#include "window/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QApplication::setDesktopFileName(QStringLiteral("org.brindlewick.brindlewick"));
    const brindlewick::Translations translations;

    const std::unique_ptr<brindlewick::PosixPlatform> platform =
        brindlewick::PosixPlatform::forThisMachine();
    brindlewick::QtDialogs dialogs;
    brindlewick::frmMain window(*platform, dialogs);
    dialogs.setOwner(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
