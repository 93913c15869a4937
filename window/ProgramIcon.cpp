// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ProgramIcon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace brindlewick
{

namespace
{

// A sheet with a folded corner and an orange tag across it: files that get new names.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);

    QPainterPath sheet;
    sheet.moveTo(2.5, 0.5);
    sheet.lineTo(9.5, 0.5);
    sheet.lineTo(13.5, 4.5);
    sheet.lineTo(13.5, 15.5);
    sheet.lineTo(2.5, 15.5);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(0x2b, 0x4a, 0x6f), 1.0));
    painter.setBrush(QColor(0xf4, 0xf7, 0xfb));
    painter.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(9.5, 0.5);
    corner.lineTo(9.5, 4.5);
    corner.lineTo(13.5, 4.5);
    painter.setBrush(QColor(0xc9, 0xd6, 0xe6));
    painter.drawPath(corner);

    painter.setPen(QPen(QColor(0x8a, 0x9b, 0xb0), 1.0));
    painter.drawLine(QPointF(4.5, 6.5), QPointF(11.5, 6.5));
    painter.drawLine(QPointF(4.5, 13.5), QPointF(11.5, 13.5));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0x7a, 0x1e));
    painter.drawRoundedRect(QRectF(1.0, 8.0, 14.0, 4.0), 1.0, 1.0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(3.0, 10.0), 0.9, 0.9);
    painter.end();
    return image;
}

} // namespace

QImage programIconImage(int size)
{
    return drawIcon(size);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : programIconSizes())
        icon.addPixmap(QPixmap::fromImage(drawIcon(size)));
    return icon;
}

} // namespace brindlewick
