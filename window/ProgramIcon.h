// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <array>

namespace brindlewick
{

// The program's own icon, drawn at every size a desktop asks for; the same artwork as the
// scalable icon installed for the desktop.
QIcon programIcon();
QImage programIconImage(int size);
constexpr std::array<int, 8> programIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

} // namespace brindlewick
