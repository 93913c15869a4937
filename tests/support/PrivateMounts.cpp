// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/PrivateMounts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlewick::test
{

namespace
{

// Set, in the process started in a namespace of its own, to the namespace it came from.
constexpr char outerNamespace[] = "BRINDLEWICK_TEST_OUTER_MOUNT_NAMESPACE";

// A process's mount namespace, by its inode; 0 when it cannot be told.
ino_t mountNamespace(const QByteArray &process)
{
    struct stat status {
    };
    const QByteArray link = "/proc/" + process + "/ns/mnt";
    return ::stat(link.constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

bool PrivateMounts::inOwnNamespace()
{
    // A package's build, in a chroot of its own, leaves the machine's mounts alone.
    if (qEnvironmentVariableIsSet("BRINDLEWICK_TESTS_MAKE_NO_MOUNTS")) {
        QTest::qSkip("this run makes no mounts", __FILE__, __LINE__);
        return false;
    }
    if (const QByteArray outer = qgetenv(outerNamespace); !outer.isEmpty()) {
        // unshare(1) became this process, so the test's own is its parent, which may be in
        // another user namespace and then cannot be looked at. Mounting in either one's
        // namespace would leave the mounts to the machine.
        const ino_t own = mountNamespace("self");
        const ino_t parents = mountNamespace(QByteArray::number(::getppid()));
        if (own != 0 && own != outer.toULongLong() && own != parents)
            return true;
        QTest::qFail("not in a mount namespace of its own", __FILE__, __LINE__);
        return false;
    }
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    const QString tag = QString::fromUtf8(QTest::currentDataTag());
    QStringList arguments;
    if (::geteuid() != 0)
        arguments << QStringLiteral("--user") << QStringLiteral("--map-root-user");
    arguments << QStringLiteral("--mount") << QStringLiteral("--propagation")
              << QStringLiteral("private") << QCoreApplication::applicationFilePath()
              << (tag.isEmpty() ? function : function + u':' + tag);
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(outerNamespace),
                       QString::number(mountNamespace("self")));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral("unshare"), arguments);
    const bool ended = run.waitForFinished(60000) && run.exitStatus() == QProcess::NormalExit;
    const QString output = QString::fromLocal8Bit(run.readAll()).trimmed();
    const QRegularExpressionMatch skipped =
        QRegularExpression(QStringLiteral("^SKIP *: \\S*") +
                               QRegularExpression::escape(function + u'(' + tag + u')') +
                               QStringLiteral(" (.*)$"),
                           QRegularExpression::MultilineOption)
            .match(output);
    if (run.error() == QProcess::FailedToStart || output.startsWith(QStringLiteral("unshare:")))
        QTest::qSkip(qPrintable(QStringLiteral("no mount namespace of its own here: ") +
                                (output.isEmpty() ? run.errorString() : output)),
                     __FILE__, __LINE__);
    else if (!ended || run.exitCode() != 0)
        QTest::qFail(qPrintable(QStringLiteral("in a mount namespace of its own:\n") + output),
                     __FILE__, __LINE__);
    else if (skipped.hasMatch())
        QTest::qSkip(qPrintable(skipped.captured(1)), __FILE__, __LINE__);
    return false;
}

PrivateMounts::~PrivateMounts()
{
    for (auto target = targets_.crbegin(); target != targets_.crend(); ++target)
        ::umount2(QFile::encodeName(*target).constData(), MNT_DETACH);
}

bool PrivateMounts::mount(const QString &source, const QString &target, const char *type)
{
    if (::mount(QFile::encodeName(source).constData(), QFile::encodeName(target).constData(), type,
                type ? 0 : MS_BIND, nullptr) != 0) {
        whyNot = QStringLiteral("cannot mount on ") + target + QStringLiteral(": ") +
                 QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    targets_.append(target);
    return true;
}

} // namespace brindlewick::test
