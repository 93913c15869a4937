#include "platform/DrivePath.h"

namespace brindlewick
{

QString DrivePath::text() const
{
    qsizetype length = 3;
    for (const QString &name : names)
        length += name.size() + 1;
    QString result;
    result.reserve(length);
    result += letter;
    result += u':';
    if (names.isEmpty())
        return result += u'\\';
    for (const QString &name : names) {
        result += u'\\';
        result += name;
    }
    return result;
}

DrivePath DrivePath::parent() const
{
    DrivePath result = *this;
    if (!result.names.isEmpty())
        result.names.removeLast();
    return result;
}

bool isRepresentableName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'\\' || c == u'/' || c.unicode() == 0)
            return false;
    }
    return true;
}

std::optional<DrivePath> parseDrivePath(QStringView path)
{
    if (path.size() < 2 || path[1] != u':')
        return std::nullopt;
    const char16_t letter = path[0].toUpper().unicode();
    if (letter < u'A' || letter > u'Z')
        return std::nullopt;

    QStringView rest = path.mid(2);
    if (!rest.isEmpty() && rest.front() != u'\\')
        return std::nullopt; // "C:name" would mean a drive's current folder
    while (rest.endsWith(u'\\'))
        rest.chop(1);

    DrivePath result{QChar(letter), {}};
    if (rest.isEmpty())
        return result;
    for (const QStringView name : rest.mid(1).split(u'\\')) {
        if (!isRepresentableName(name))
            return std::nullopt;
        result.names.append(name.toString());
    }
    return result;
}

} // namespace brindlewick
