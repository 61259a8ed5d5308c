#pragma once

#include <QLocale>
#include <QString>

#include <vector>

namespace corvix {

// The languages the desktop asks for, most wanted first, as gettext reads them: LANGUAGE's
// list, else the messages locale (LC_ALL, LC_MESSAGES, LANG, the first one set). None
// under the C or POSIX locale or when nothing is set: Corvix then speaks the English of
// its sources.
std::vector<QLocale> desktopLanguages();

// Where Corvix's catalogues (corvix_de.qm, ...) lie: translations/ beside the executable
// (a build tree), else the installed ones in the data folder.
QString translationsFolder();
QString translationsFolderFor(const QString& exeDir);

// Makes the application speak the first of languages that Corvix has a catalogue for in
// folder, with Qt's own catalogue (its buttons, the file dialog), replacing those installed
// before. None leaves every text in English. True when Corvix's catalogue loaded.
bool installTranslations(const std::vector<QLocale>& languages, const QString& folder = translationsFolder());

} // namespace corvix
