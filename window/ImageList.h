// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>
#include <utility>
#include <vector>

class QStyle;

namespace brindlewick
{

// The tree's images under their keys, taken from the desktop's icon theme, with the style's
// own icons where the theme has none.
class ImageList
{
public:
    explicit ImageList(const QStyle &style);

    QIcon icon(QStringView key) const;
    QStringList keys() const;

private:
    std::vector<std::pair<QString, QIcon>> images_;
};

} // namespace brindlewick
