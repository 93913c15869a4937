// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ImageList.h"

#include <QStyle>

namespace brindlewick
{

ImageList::ImageList(const QStyle &style)
{
    struct Image {
        const char16_t *key;
        const char *themeName;
        QStyle::StandardPixmap fallback;
    };
    static constexpr Image images[] = {
        {u"unknown", "drive-harddisk", QStyle::SP_DriveHDIcon},
        {u"fixed", "drive-harddisk", QStyle::SP_DriveHDIcon},
        {u"ram", "media-flash", QStyle::SP_DriveHDIcon},
        {u"remove", "drive-removable-media", QStyle::SP_DriveFDIcon},
        {u"cd", "media-optical", QStyle::SP_DriveCDIcon},
        {u"folder", "folder", QStyle::SP_DirClosedIcon},
        {u"open", "folder-open", QStyle::SP_DirOpenIcon},
    };
    for (const Image &image : images) {
        images_.emplace_back(QString::fromUtf16(image.key),
                             QIcon::fromTheme(QString::fromLatin1(image.themeName),
                                              style.standardIcon(image.fallback)));
    }
}

QIcon ImageList::icon(QStringView key) const
{
    for (const auto &[imageKey, icon] : images_) {
        if (imageKey == key)
            return icon;
    }
    return {};
}

QStringList ImageList::keys() const
{
    QStringList result;
    for (const auto &image : images_)
        result.append(image.first);
    return result;
}

} // namespace brindlewick
