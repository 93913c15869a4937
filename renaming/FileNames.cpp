#include "renaming/FileNames.h"

#include <array>

namespace brindlewick
{

QString GetFileExt(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot).toString();
}

bool ExtCheck(QStringView fileExt)
{
    static constexpr std::array<QStringView, 7> protectedEndings = {u"ini", u"dat", u"dos", u"exe",
                                                                    u"dll", u"sys", u"com"};
    const QString lower = fileExt.toString().toLower();
    for (const QStringView ending : protectedEndings) {
        if (lower == ending)
            return false;
    }
    return true;
}

} // namespace brindlewick
