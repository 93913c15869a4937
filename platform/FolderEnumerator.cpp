#include "platform/FolderEnumerator.h"

namespace brindlewick
{

FolderEnumerator::FolderEnumerator(const Platform &platform, EntryKind kind)
    : platform_(platform), kind_(kind)
{
}

void FolderEnumerator::setPath(const QString &folder)
{
    if (trustChecked_ && !path_.isEmpty()) {
        QStringView same(folder);
        while (same.size() > 3 && same.endsWith(u'\\'))
            same.chop(1);
        if (same == path_ || (same.size() == 2 && path_.size() == 3 && path_.startsWith(same))) {
            names_.reset();
            return;
        }
    }
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
