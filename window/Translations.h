// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace brindlewick
{

// The program's texts, and Qt's own (the standard buttons), in the language of a locale, for
// as long as it lives. English, and any language not shipped, keep the texts as written.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The languages the program ships its texts in, as the .ts files name them ("pt_BR").
    static QStringList shipped();

private:
    bool install(const QLocale &locale, const QString &name, const QString &folder);

    std::vector<std::unique_ptr<QTranslator>> installed_;
};

} // namespace brindlewick
