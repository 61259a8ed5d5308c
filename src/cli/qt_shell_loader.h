#pragma once

#include "cli/qt_shell.h"

namespace corvix::cli {

// The Qt shell library loaded into this process: the one beside the executable (the build
// tree), else the installed one, by the path from the executable's folder fixed at build
// time. None, after the loader's reason on stderr, when neither loads.
QtShell* loadQtShell();

} // namespace corvix::cli
