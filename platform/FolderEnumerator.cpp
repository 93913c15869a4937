// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderEnumerator.h"

namespace brindlewick
{

FolderEnumerator::FolderEnumerator(const Platform &platform, EntryKind kind)
    : platform_(platform), kind_(kind)
{
}

void FolderEnumerator::setPath(const QString &folder)
{
    setFolder(platform_.openFolder(folder));
}

void FolderEnumerator::setFolder(OpenFolder folder)
{
    folder_ = std::move(folder);
    listing_.reset();
}

const FolderListing &FolderEnumerator::listing()
{
    if (!listing_)
        listing_ = folder_ ? platform_.listFolder(*folder_, kind_) : FolderListing();
    return *listing_;
}

} // namespace brindlewick
