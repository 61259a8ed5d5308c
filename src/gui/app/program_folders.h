#pragma once

#include <QString>

namespace corvix {

// Where the recovery and history files live: the executable's folder when it is
// writable and Corvix is not installed there, else the per-user data folder. Ends in '/'.
QString programFolder();
// Same rule for an executable in exeDir; exposed for tests.
QString programFolderFor(const QString& exeDir);

// The data folder of an installation whose executable lies in exeDir (share/corvix).
QString installedDataFolder(const QString& exeDir);

// The help page, named after the executable (corvix.html for corvix): the one beside the
// executable, else the installed one in the data folder, else the path beside it anyway.
QString helpPagePath();
// Same lookup for an executable in exeDir called baseName; exposed for tests.
QString helpPagePathFor(const QString& exeDir, const QString& baseName);

} // namespace corvix
