#pragma once

#include <QString>

namespace corvix {

// Where the recovery and history files live: the executable's folder when it is
// writable, else the per-user data folder. Ends in '/'.
QString programFolder();

// The help page beside the executable, named after it: corvix.html for corvix.
QString helpPagePath();
// Opens the help page with the desktop's viewer; a missing page is the viewer's to report.
void openHelpPage();

} // namespace corvix
