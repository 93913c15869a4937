#include "platform/FolderEnumerator.h"

namespace brindlewick
{

FolderEnumerator::FolderEnumerator(const Platform &platform, EntryKind kind)
    : platform_(platform), kind_(kind)
{
}

void FolderEnumerator::setPath(const QString &folder)
{
    listing_ = platform_.listFolder(folder, kind_);
}

QString FolderEnumerator::List(qsizetype index) const
{
    const QString &name = listing_.names.at(index);
    if (kind_ == EntryKind::Files)
        return name;
    return listing_.path.endsWith(u'\\') ? listing_.path + name : listing_.path + u'\\' + name;
}

void FolderEnumerator::Refresh()
{
    if (!listing_.path.isEmpty())
        listing_ = platform_.listFolder(listing_.path, kind_);
}

} // namespace brindlewick
