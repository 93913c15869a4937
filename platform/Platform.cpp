// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Platform.h"

namespace brindlewick
{

PlatformError::PlatformError(const QString &cause)
    : std::runtime_error(cause.toStdString()), cause_(cause)
{
}

} // namespace brindlewick
