// SPDX-FileCopyrightText: 2026 The Brindlewick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace brindlewick
{

namespace
{

const auto builtIn = QStringLiteral(":/i18n");
const auto programName = QStringLiteral("brindlewick");

// Qt mirrors the whole program when this reads "RTL" in the language installed; a language's
// own file says so even where Qt's translations are not installed.
[[maybe_unused]] constexpr struct {
    const char *source;
    const char *comment;
} layoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

} // namespace

Translations::Translations(const QLocale &locale)
{
    // Installed first, searched last: the English plural forms stand behind every language.
    install(QLocale(QLocale::English), programName, builtIn);
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (locale.language() != QLocale::English)
        install(locale, programName, builtIn);
}

Translations::~Translations()
{
    // Outliving the application, as a static may, they went with it.
    if (!QCoreApplication::instance())
        return;
    for (auto it = installed_.rbegin(); it != installed_.rend(); ++it)
        QCoreApplication::removeTranslator(it->get());
}

QStringList Translations::shipped()
{
    QStringList languages;
    const QString prefix = programName + u'_';
    for (const QString &file :
         QDir(builtIn).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files)) {
        const QString language = file.mid(prefix.size()).chopped(3);
        if (language != u"en")
            languages.append(language);
    }
    return languages;
}

bool Translations::install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed_.push_back(std::move(translator));
    return true;
}

} // namespace brindlewick
