#include "app/translations.h"

#include "app/program_folders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace corvix {

namespace {

// "de_DE.UTF-8" and "de_DE@euro" name the language "de_DE".
QString languageOfLocaleName(const QString& name)
{
    return name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

bool isEnglishOfSources(const QString& messagesLocale)
{
    const QString language = languageOfLocaleName(messagesLocale);
    return language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX");
}

// Loaded for the whole run; replaced when another language is installed.
std::unique_ptr<QTranslator>& installed(int which)
{
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

bool install(int which, const QLocale& language, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed(which) = std::move(translator);
    return true;
}

} // namespace

std::vector<QLocale> desktopLanguages()
{
    QString messagesLocale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messagesLocale = qEnvironmentVariable(variable);
        if (!messagesLocale.isEmpty())
            break;
    }
    // As gettext: LANGUAGE counts only once a locale other than C is chosen.
    if (isEnglishOfSources(messagesLocale))
        return {};
    std::vector<QLocale> languages;
    for (const QString& name : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages.emplace_back(languageOfLocaleName(name));
    languages.emplace_back(languageOfLocaleName(messagesLocale));
    return languages;
}

QString translationsFolder()
{
    return translationsFolderFor(QCoreApplication::applicationDirPath());
}

QString translationsFolderFor(const QString& exeDir)
{
    const QString beside = exeDir + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir())
        return beside;
    return installedDataFolder(exeDir) + QStringLiteral("/translations");
}

bool installTranslations(const std::vector<QLocale>& languages, const QString& folder)
{
    for (int which : {0, 1}) {
        if (installed(which))
            QCoreApplication::removeTranslator(installed(which).get());
        installed(which).reset();
    }
    for (const QLocale& language : languages) {
        if (install(0, language, QStringLiteral("corvix"), folder)) {
            install(1, language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}

} // namespace corvix
