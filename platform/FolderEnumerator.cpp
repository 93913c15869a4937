#include "platform/FolderEnumerator.h"

namespace brindlewick
{

FolderEnumerator::FolderEnumerator(const Platform &platform, EntryKind kind)
    : platform_(platform), kind_(kind)
{
}

bool FolderEnumerator::trusts(const QString &folder) const
{
    if (!trustChecked_ || !checkedWhileTrusted_)
        return false;
    QStringView same(folder);
    while (same.size() > 3 && same.endsWith(u'\\'))
        same.chop(1);
    return same == path_ || (same.size() == 2 && path_.size() == 3 && path_.startsWith(same));
}

void FolderEnumerator::setPath(const QString &folder)
{
    if (!trusts(folder)) {
        path_ = platform_.checkFolder(folder);
        checkedWhileTrusted_ = trustChecked_;
    }
    names_.reset();
}

void FolderEnumerator::setPath(const QString &folder, const FolderEnumerator &checker)
{
    if (!checker.trusts(folder))
        return setPath(folder);
    path_ = checker.path_;
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
