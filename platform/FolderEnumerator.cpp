#include "platform/FolderEnumerator.h"

namespace brindlewick
{

FolderEnumerator::FolderEnumerator(const Platform &platform, EntryKind kind)
    : platform_(platform), kind_(kind)
{
}

void FolderEnumerator::setPath(const QString &folder)
{
    path_ = platform_.checkFolder(folder);
    names_.reset();
}

const QStringList &FolderEnumerator::names() const
{
    if (!names_) {
        if (path_.isEmpty())
            names_.emplace();
        else
            names_ = platform_.listFolder(path_, kind_).names;
    }
    return *names_;
}

QString FolderEnumerator::List(qsizetype index) const
{
    const QString &name = names().at(index);
    if (kind_ == EntryKind::Files)
        return name;
    return path_.endsWith(u'\\') ? path_ + name : path_ + u'\\' + name;
}

void FolderEnumerator::Refresh()
{
    names_.reset();
}

} // namespace brindlewick
