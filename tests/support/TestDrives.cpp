#include "support/TestDrives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brindlewick::test
{

TestDrives::TestDrives()
{
    std::vector<Drive> drives;
    const std::pair<QChar, DriveType> layout[] = {{u'C', DriveType::Fixed},
                                                  {u'D', DriveType::Fixed},
                                                  {u'E', DriveType::CdRom},
                                                  {u'F', DriveType::Remote}};
    for (const auto &[letter, type] : layout) {
        folders_.push_back(std::make_unique<QTemporaryDir>());
        const QString label = letter == u'C' ? QStringLiteral("SYSTEM") : QString();
        drives.push_back({letter, folders_.back()->path(), type, label});
    }
    platform_ = std::make_unique<PosixPlatform>(DriveTable(std::move(drives)),
                                                QStringLiteral("C:\\WINDOWS"));
}

QString TestDrives::native(const QString &drivePath) const
{
    const std::optional<DrivePath> parsed = parseDrivePath(drivePath);
    const std::optional<QString> result =
        parsed ? platform_->drives().nativePath(*parsed) : std::nullopt;
    return result.value_or(QString());
}

bool TestDrives::makeFile(const QString &drivePath, const QByteArray &content) const
{
    const QString path = native(drivePath);
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool TestDrives::makeFolder(const QString &drivePath) const
{
    const QString path = native(drivePath);
    return !path.isEmpty() && QDir().mkpath(path);
}

QByteArray TestDrives::contentOf(const QString &drivePath) const
{
    QFile file(native(drivePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList TestDrives::entriesOf(const QString &drivePath) const
{
    return QDir(native(drivePath))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

} // namespace brindlewick::test
