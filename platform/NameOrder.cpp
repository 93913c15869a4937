#include "platform/NameOrder.h"

#include <algorithm>
#include <vector>

namespace brindlewick
{

namespace
{

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

int sign(qsizetype value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// Compares case-folded names; digit runs by value, leading zeros aside.
int compareFolded(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            while (i < a.size() && a[i] == u'0')
                ++i;
            while (j < b.size() && b[j] == u'0')
                ++j;
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            if (endA - i != endB - j)
                return sign((endA - i) - (endB - j));
            for (; i < endA; ++i, ++j) {
                if (a[i] != b[j])
                    return sign(a[i].unicode() - b[j].unicode());
            }
            continue;
        }
        if (a[i] != b[j])
            return sign(a[i].unicode() - b[j].unicode());
        ++i;
        ++j;
    }
    return sign((a.size() - i) - (b.size() - j));
}

} // namespace

int compareNames(QStringView a, QStringView b)
{
    const int folded = compareFolded(a.toString().toCaseFolded(), b.toString().toCaseFolded());
    return folded != 0 ? folded : a.compare(b);
}

void sortNames(QStringList &names)
{
    struct Keyed {
        QString folded;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (QString &name : names) {
        QString folded = name.toCaseFolded();
        keyed.push_back({std::move(folded), std::move(name)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &x, const Keyed &y) {
        const int byFolded = compareFolded(x.folded, y.folded);
        return byFolded != 0 ? byFolded < 0 : x.name < y.name;
    });
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].name);
}

} // namespace brindlewick
