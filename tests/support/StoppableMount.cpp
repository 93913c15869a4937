// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/StoppableMount.h"

#include "platform/MountTable.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace brindlewick::test
{

namespace
{

bool isMountPoint(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const std::vector<MountEntry> mounts = parseMountInfo(table.readAll());
    return std::any_of(mounts.begin(), mounts.end(),
                       [&](const MountEntry &mount) { return mount.mountPoint == path; });
}

} // namespace

StoppableMount::StoppableMount(const QString &source, const QString &mountPoint,
                               std::chrono::milliseconds delay)
    : mountPoint_(mountPoint)
{
    if (qEnvironmentVariableIsSet("BRINDLEWICK_TESTS_MAKE_NO_MOUNTS")) {
        whyNot_ = QStringLiteral("this run makes no mounts");
        return;
    }
#ifdef BRINDLEWICK_TESTFS
    // Should the test itself die, so does the daemon: a mount whose daemon is gone fails at
    // once, where a stopped one would hang whatever looked at it.
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    daemon_.start(QStringLiteral(BRINDLEWICK_TESTFS),
                  {source, mountPoint, QString::number(delay.count())});
#else
    Q_UNUSED(source);
    Q_UNUSED(delay);
    whyNot_ = QStringLiteral("built without libfuse3");
    return;
#endif
    const QDeadlineTimer deadline(5000);
    while (!isMountPoint(mountPoint) && !deadline.hasExpired() &&
           daemon_.state() != QProcess::NotRunning)
        QThread::msleep(20);
    mounted_ = isMountPoint(mountPoint);
    if (!mounted_) {
        daemon_.kill();
        daemon_.waitForFinished(1000);
        whyNot_ = QStringLiteral("FUSE cannot mount here: ") +
                  QString::fromLocal8Bit(daemon_.readAllStandardError()).trimmed();
    }
}

StoppableMount::~StoppableMount()
{
    if (daemon_.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(daemon_.processId()), SIGCONT);
    if (mounted_ && ::umount2(QFile::encodeName(mountPoint_).constData(), MNT_DETACH) != 0)
        QProcess::execute(QStringLiteral("fusermount3"),
                          {QStringLiteral("-u"), QStringLiteral("-z"), mountPoint_});
    // A folder the test still holds keeps the detached file system alive, and the daemon with
    // it: told to end, it does so at once.
    ::kill(pid_t(daemon_.processId()), SIGTERM);
    if (!daemon_.waitForFinished(3000)) {
        daemon_.kill();
        daemon_.waitForFinished(1000);
    }
}

void StoppableMount::stop()
{
    const qint64 pid = daemon_.processId();
    ::kill(pid_t(pid), SIGSTOP);
    // A thread of the daemon that is at work when the signal comes still answers one question:
    // the stop is done once every thread is stopped.
    const auto allStopped = [pid] {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
        const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        return !threads.isEmpty() &&
               std::all_of(threads.begin(), threads.end(), [&](const QString &thread) {
                   QFile stat(tasks.filePath(thread + QStringLiteral("/stat")));
                   if (!stat.open(QIODevice::ReadOnly))
                       return false;
                   const QByteArray line = stat.readAll();
                   const qsizetype state = line.lastIndexOf(')') + 2;
                   return state > 1 && state < line.size() &&
                          (line[state] == 'T' || line[state] == 't');
               });
    };
    const QDeadlineTimer deadline(2000);
    while (!allStopped() && !deadline.hasExpired())
        QThread::msleep(5);
    // The kernel takes what the daemon answered within the same clock tick as still fresh, however
    // short the time it may keep it: a question asked at once could still be answered from there.
    QThread::msleep(30);
}

void StoppableMount::resume()
{
    ::kill(pid_t(daemon_.processId()), SIGCONT);
}

} // namespace brindlewick::test
