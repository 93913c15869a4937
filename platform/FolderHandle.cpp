// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderHandle.h"

#include <unistd.h>

namespace brindlewick
{

FolderHandle::FolderHandle(int descriptor, QString path, FolderIdentity identity,
                           bool mayStopAnswering)
    : descriptor_(descriptor), path_(std::move(path)), identity_(identity),
      mayStopAnswering_(mayStopAnswering)
{
}

FolderHandle::~FolderHandle()
{
    ::close(descriptor_);
}

} // namespace brindlewick
