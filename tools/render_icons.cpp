// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon as PNG files, one folder per size, for installation:
//   brindlewick-render-icons OUTDIR  ->  OUTDIR/<size>/org.brindlewick.brindlewick.png
#include "window/ProgramIcon.h"

#include <QDir>
#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (const int size : brindlewick::programIconSizes()) {
        const QString folder = outDir + u'/' + QString::number(size);
        if (!QDir().mkpath(folder) ||
            !brindlewick::programIconImage(size).save(
                folder + QStringLiteral("/org.brindlewick.brindlewick.png"))) {
            std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
