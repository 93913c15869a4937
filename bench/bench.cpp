// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the window's work on large folders against what the file system itself needs for
// the same job, in one process and one run. Prints one line per measurement:
//   bench <name> n=<count> ms=<median> floor_ms=<median floor> ratio=<ms/floor_ms>
#include "platform/PosixPlatform.h"
#include "window/Dialogs.h"
#include "window/NodeTree.h"
#include "window/ReportList.h"
#include "window/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace brindlewick;
using namespace Qt::StringLiterals;

namespace
{

// The longest time between two paints of the window's widgets, from begin() to end().
class PaintGaps : public QObject
{
public:
    // Starts afresh, on window.
    void watch(const QWidget *window)
    {
        window_ = window;
        measuring_ = false;
        longestMs_ = 0;
    }
    void begin()
    {
        measuring_ = window_ != nullptr;
        sinceLast_.start();
    }
    void end()
    {
        if (measuring_)
            longestMs_ = std::max(longestMs_, double(sinceLast_.nsecsElapsed()) / 1e6);
        measuring_ = false;
    }
    double longestMs() const { return longestMs_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (measuring_ && event->type() == QEvent::Paint && widget && widget->window() == window_) {
            longestMs_ = std::max(longestMs_, double(sinceLast_.nsecsElapsed()) / 1e6);
            sinceLast_.restart();
        }
        return false;
    }

private:
    const QWidget *window_ = nullptr;
    bool measuring_ = false;
    QElapsedTimer sinceLast_;
    double longestMs_ = 0;
};

// Answers every box with Yes (or OK) and every menu with its item of the given caption. The
// renaming runs from the Yes to the next box: the paint gaps are measured in between.
class AnsweringDialogs final : public Dialogs
{
public:
    QString menuChoice;
    PaintGaps paintGaps;

    MsgBoxAnswer MsgBox(const QString &, int style, const QString &, const QString &) override
    {
        if (style == YesNo) {
            paintGaps.begin();
            return MsgBoxAnswer::Yes;
        }
        paintGaps.end();
        return MsgBoxAnswer::Ok;
    }
    QAction *PopupMenu(QMenu &menu, const QPoint &) override
    {
        const QList<QAction *> actions = menu.actions();
        for (QAction *action : actions) {
            if (action->text() == menuChoice) {
                action->trigger();
                return action;
            }
        }
        return nullptr;
    }
};

template<typename Control> Control *control(const frmMain &window, const char *name)
{
    Control *found = window.findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("bench: the window has no control %s", name);
    return found;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char *name, qsizetype count, double ms, double floorMs)
{
    std::printf("bench %s n=%lld ms=%.2f floor_ms=%.2f ratio=%.2f\n", name, (long long)count, ms,
                floorMs, floorMs > 0 ? ms / floorMs : 0.0);
    std::fflush(stdout);
}

// The files, and one subfolder: a click on a folder that has subfolders loads them once, so
// that every later click measures the listing alone.
void makeFiles(const QString &folder, qsizetype count)
{
    QDir().mkpath(folder + u"/sub"_s);
    const QByteArray native = QFile::encodeName(folder);
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray path = native + "/IMG_" + QByteArray::number(i) + ".jpg";
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

// The file system's own floor for listing a folder: its names, one lstat each, sorted.
std::vector<std::string> listingFloor(const QString &folder)
{
    std::vector<std::string> names;
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    DIR *dir = ::fdopendir(dirFd);
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat status {
        };
        if (::fstatat(dirFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// The floor for renaming: the same renames in a plain loop.
void renameFloor(const QString &folder, const std::vector<std::string> &names,
                 const std::string &suffix)
{
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    for (const std::string &name : names) {
        const std::size_t dot = name.rfind('.');
        const std::string renamed = dot == std::string::npos
                                        ? name + suffix
                                        : name.substr(0, dot) + suffix + name.substr(dot);
        ::renameat2(dirFd, name.c_str(), dirFd, renamed.c_str(), RENAME_NOREPLACE);
    }
    ::close(dirFd);
}

struct Bench {
    explicit Bench(const QString &root)
        : platform(DriveTable({{u'C', root, DriveType::Fixed, u"BENCH"_s}}), u"C:\\usr"_s)
    {
    }

    std::unique_ptr<frmMain> window()
    {
        auto made = std::make_unique<frmMain>(platform, dialogs);
        made->Form_Load();
        return made;
    }

    // A click on the folder's node, below C:, as the user's: it lists the folder's files.
    static void show(frmMain &window, const QString &folder)
    {
        auto *tree = control<NodeTree>(window, "DirTree");
        TreeNode *node = tree->node(u"C:\\\\"_s + folder);
        if (!node)
            qFatal("bench: no node for %s", qPrintable(folder));
        tree->setSelectedItem(node);
        window.DirTree_NodeClick(node);
    }

    PosixPlatform platform;
    AnsweringDialogs dialogs;
};

void benchListing(Bench &bench, const QString &root, qsizetype count, int runs)
{
    const QString folder = root + u"/list"_s + QString::number(count);
    makeFiles(folder, count);
    std::unique_ptr<frmMain> w = bench.window();
    std::vector<double> times;
    std::vector<double> floors;
    for (int run = 0; run < runs; ++run) {
        floors.push_back(timeMs([&] { listingFloor(folder); }));
        times.push_back(timeMs([&] { Bench::show(*w, u"list"_s + QString::number(count)); }));
    }
    report("display_files", control<ReportList>(*w, "lsList")->itemCount(), median(times),
           median(floors));
}

void benchSelectAll(Bench &bench, const QString &root, qsizetype count, int runs)
{
    const QString folder = root + u"/select"_s + QString::number(count);
    makeFiles(folder, count);
    std::unique_ptr<frmMain> w = bench.window();
    Bench::show(*w, u"select"_s + QString::number(count));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        bench.dialogs.menuChoice = u"&Deselect All"_s;
        w->lsList_MouseUp(2, 0, 0, 0);
        bench.dialogs.menuChoice = u"Select &All"_s;
        times.push_back(timeMs([&] { w->lsList_MouseUp(2, 0, 0, 0); }));
    }
    report("select_all", control<ReportList>(*w, "lsList")->selectedCount(), median(times), 0);
}

void benchRename(Bench &bench, const QString &root, qsizetype count, int runs)
{
    const QString name = u"rename"_s + QString::number(count);
    const QString folder = root + u'/' + name;
    const QString floorFolder = root + u"/floor-"_s + name;
    makeFiles(folder, count);
    makeFiles(floorFolder, count);
    std::unique_ptr<frmMain> w = bench.window();
    w->show(); // to be painted while it works, as on a desktop
    bench.dialogs.paintGaps.watch(w.get());
    qApp->installEventFilter(&bench.dialogs.paintGaps);
    Bench::show(*w, name);
    auto *list = control<ReportList>(*w, "lsList");
    auto *text = control<QLineEdit>(*w, "Text1");
    control<QRadioButton>(*w, "optAttachEnd")->click();
    std::vector<double> times;
    std::vector<double> floors;
    for (int run = 0; run < runs; ++run) {
        // Each run attaches once more, to the window's folder and to the floor's alike.
        const std::vector<std::string> names = listingFloor(floorFolder);
        floors.push_back(timeMs([&] {
            renameFloor(floorFolder, names, "_x");
            listingFloor(floorFolder);
        }));
        list->selectAll();
        text->setText(u"_x"_s);
        times.push_back(timeMs([&] { w->cmdRename_Click(); }));
    }
    const bool allRenamed = list->itemCount() == count && list->itemText(1).count(u"_x"_s) == runs;
    if (!allRenamed)
        std::printf("bench rename: the window did not rename every file\n");
    qApp->removeEventFilter(&bench.dialogs.paintGaps);
    report("rename", count, median(times), median(floors));
    std::printf("bench rename_paint_gap n=%lld ms=%.2f floor_ms=0 ratio=0\n", (long long)count,
                bench.dialogs.paintGaps.longestMs());
}

void benchExpand(Bench &bench, const QString &root, int folders, int runs)
{
    const QString tree = root + u"/tree"_s;
    for (int i = 0; i < folders; ++i) {
        for (int k = 0; k < 10; ++k) {
            QDir().mkpath(tree + u"/f"_s + QString::number(i) + u"/s"_s + QString::number(k));
        }
    }
    std::vector<double> times;
    std::vector<double> floors;
    for (int run = 0; run < runs; ++run) {
        floors.push_back(timeMs([&] {
            std::vector<std::string> subfolders;
            for (int i = -1; i < folders; ++i) {
                const QString folder = i < 0 ? tree : tree + u"/f"_s + QString::number(i);
                DIR *dir = ::opendir(QFile::encodeName(folder).constData());
                while (const dirent *entry = ::readdir(dir)) {
                    if (entry->d_name[0] != '.' && entry->d_type == DT_DIR)
                        subfolders.emplace_back(entry->d_name);
                }
                ::closedir(dir);
            }
        }));
        // A fresh window each run, so every run loads the same subfolders.
        std::unique_ptr<frmMain> w = bench.window();
        TreeNode *node = control<NodeTree>(*w, "DirTree")->node(u"C:\\\\tree"_s);
        times.push_back(timeMs([&] { node->setExpanded(true); }));
        if (node->Child()->LastSibling()->Children() != 10)
            std::printf("bench expand: the subfolders were not loaded\n");
    }
    report("expand", folders, median(times), median(floors));
}

// Run in a process of its own, so that nothing else counts towards the peak. The peak is the
// process's own high-water mark: getrusage would also count the memory of the parent it was
// forked from.
int measureMemory(const QString &root, qsizetype count)
{
    Bench bench(root);
    makeFiles(root + u"/memory"_s, count);
    std::unique_ptr<frmMain> w = bench.window();
    Bench::show(*w, u"memory"_s);
    QFile status(u"/proc/self/status"_s);
    double peakMb = -1;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peakMb = line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    std::printf("bench memory n=%lld ms=0 floor_ms=0 ratio=0 rss_mb=%.1f\n",
                (long long)control<ReportList>(*w, "lsList")->itemCount(), peakMb);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Brindlewick benchmark"_s);
    parser.addHelpOption();
    const QCommandLineOption smoke(u"smoke"_s, u"Run once at a small size, to see it runs."_s);
    const QCommandLineOption memory(u"memory"_s, u"Only measure memory with <n> files."_s, u"n"_s);
    const QCommandLineOption only(u"only"_s, u"Run only the measurement <name>."_s, u"name"_s);
    const QCommandLineOption runsOption(u"runs"_s, u"Runs per measurement (default 5)."_s,
                                        u"count"_s, u"5"_s);
    parser.addOption(smoke);
    parser.addOption(memory);
    parser.addOption(only);
    parser.addOption(runsOption);
    parser.process(app);

    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    if (parser.isSet(memory))
        return measureMemory(root.path(), parser.value(memory).toLongLong());

    const bool small = parser.isSet(smoke);
    const std::vector<qsizetype> sizes =
        small ? std::vector<qsizetype>{2000} : std::vector<qsizetype>{10000, 100000};
    const int runs = small ? 1 : std::max(1, parser.value(runsOption).toInt());
    Bench bench(root.path());

    const auto wanted = [&](const QString &name) {
        return !parser.isSet(only) || parser.value(only) == name;
    };
    if (wanted(u"display_files"_s)) {
        for (const qsizetype count : sizes)
            benchListing(bench, root.path(), count, runs);
    }
    if (wanted(u"select_all"_s))
        benchSelectAll(bench, root.path(), sizes.back(), runs);
    if (wanted(u"rename"_s)) {
        for (const qsizetype count : sizes)
            benchRename(bench, root.path(), count, runs);
    }
    if (wanted(u"expand"_s))
        benchExpand(bench, root.path(), small ? 100 : 1000, runs);
    if (!wanted(u"memory"_s))
        return 0;

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--memory"_s, QString::number(sizes.back())});
    child.waitForFinished(-1);
    return child.exitCode();
}
