#pragma once

#include "platform/Platform.h"

#include <optional>

namespace brindlewick
{

// Lists the files or the subfolders of one folder, in name order. Pointing it at a folder
// that cannot be read fails and leaves it where it was.
class FolderEnumerator
{
public:
    FolderEnumerator(const Platform &platform, EntryKind kind);

    // "C:\" at a drive root, otherwise the folder without a final "\"; empty until set.
    QString Path() const { return path_; }
    void setPath(const QString &folder);
    // The same, taking checker's word for the folder when it may: see setTrustChecked.
    void setPath(const QString &folder, const FolderEnumerator &checker);

    // Before the first entry, as right after a change of folder.
    int ListIndex() const { return -1; }
    // The listing is read when first asked for, so that pointing the enumerator at a folder
    // costs no more than opening it. Throws when the folder cannot be read then.
    qsizetype ListCount() const { return names().size(); }
    // A file enumerator gives names; a folder enumerator gives each subfolder's full path.
    QString List(qsizetype index) const;
    const QStringList &names() const;

    // Reads the current folder again.
    void Refresh();

    // While true, pointing the enumerator again at a folder it has checked since keeps that
    // check instead of opening the folder once more. For one handler's repeated steps on one
    // folder, with nothing in between that could change the disk.
    void setTrustChecked(bool trust)
    {
        trustChecked_ = trust;
        checkedWhileTrusted_ = false;
    }

private:
    const Platform &platform_;
    EntryKind kind_;
    QString path_;
    mutable std::optional<QStringList> names_;
    bool trustChecked_ = false;
    bool checkedWhileTrusted_ = false;

    bool trusts(const QString &folder) const;
};

} // namespace brindlewick
