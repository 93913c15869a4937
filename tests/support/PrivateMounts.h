// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace brindlewick::test
{

// Mounts made by a test in a mount namespace of its own, where nothing it mounts is seen from
// outside or outlives its process; each is taken down when they go, so that the test's
// temporary folders can go too.
class PrivateMounts
{
public:
    // True in such a namespace. Elsewhere it runs the current test function (and data row)
    // again in a process of its own in one, as root there, and returns false with that run's
    // failure or skip taken as the test's own: the test then has nothing left to do.
    static bool inOwnNamespace();

    PrivateMounts() = default;
    ~PrivateMounts();
    PrivateMounts(const PrivateMounts &) = delete;
    PrivateMounts &operator=(const PrivateMounts &) = delete;

    // Native paths: a bind mount of source, or a file system of type. False, with the reason
    // in whyNot, where the kernel refuses.
    bool mount(const QString &source, const QString &target, const char *type = nullptr);
    QString whyNot;

private:
    QStringList targets_;
};

} // namespace brindlewick::test
