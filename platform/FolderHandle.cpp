// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderHandle.h"

#include <unistd.h>

namespace brindlewick
{

FolderHandle::FolderHandle(int descriptor, QString path, FolderIdentity identity)
    : descriptor_(descriptor), path_(std::move(path)), identity_(identity)
{
}

FolderHandle::~FolderHandle()
{
    ::close(descriptor_);
}

} // namespace brindlewick
