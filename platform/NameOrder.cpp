// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/NameOrder.h"

#include <algorithm>
#include <string>
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

// Letter case aside: ASCII directly, other characters through Unicode case folding.
char16_t folded(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
    return c.isSurrogate() ? unit : QChar::toCaseFolded(unit);
}

// Compares names with letter case aside; digit runs by value, leading zeros aside.
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
        const char16_t x = folded(a[i]);
        const char16_t y = folded(b[j]);
        if (x != y)
            return sign(x - y);
        ++i;
        ++j;
    }
    return sign((a.size() - i) - (b.size() - j));
}

} // namespace

int compareNames(QStringView a, QStringView b)
{
    const int byFolded = compareFolded(a, b);
    return byFolded != 0 ? byFolded : a.compare(b);
}

namespace
{

// A key whose plain code-unit order is the order of compareFolded: letters folded, and each
// digit run written as "0", its length without leading zeros, then those digits. The "0"
// stands where the run began, so a run still meets other characters as a digit does.
// Appends name's key to keys.
void appendSortKey(QStringView name, std::u16string &keys)
{
    qsizetype i = 0;
    while (i < name.size()) {
        if (!isDigit(name[i])) {
            keys.push_back(folded(name[i++]));
            continue;
        }
        while (i < name.size() && name[i] == u'0')
            ++i;
        const qsizetype start = i;
        while (i < name.size() && isDigit(name[i]))
            ++i;
        keys.push_back(u'0');
        keys.push_back(char16_t(std::min<qsizetype>(i - start, 0xFFFF)));
        keys.append(reinterpret_cast<const char16_t *>(name.utf16()) + start,
                    std::size_t(i - start));
    }
}

} // namespace

void sortNames(QStringList &names)
{
    // Most folders hold few subfolders; sorting those in place needs no keys at all.
    if (names.size() <= 16) {
        QString *const name = names.data();
        for (qsizetype i = 1; i < names.size(); ++i) {
            for (qsizetype k = i; k > 0 && compareNames(name[k], name[k - 1]) < 0; --k)
                name[k].swap(name[k - 1]);
        }
        return;
    }
    // All keys in one buffer: a large folder would otherwise allocate one string per name.
    struct Keyed {
        std::size_t start;
        std::size_t length;
        qsizetype index;
    };
    std::u16string keys;
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::size_t start = keys.size();
        appendSortKey(names[i], keys);
        keyed.push_back({start, keys.size() - start, i});
    }
    const char16_t *const all = keys.data();
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed &x, const Keyed &y) {
        const QStringView a(all + x.start, qsizetype(x.length));
        const QStringView b(all + y.start, qsizetype(y.length));
        const int byKey = a.compare(b); // code units, as Qt compares them fastest
        return byKey != 0 ? byKey < 0 : names[x.index] < names[y.index];
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Keyed &entry : keyed)
        sorted.append(std::move(names[entry.index]));
    names = std::move(sorted);
}

} // namespace brindlewick
