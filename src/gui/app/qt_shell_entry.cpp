// The Qt shell library that corvix loads for the window and pages drawn as pictures.
#include "cli/qt_commands.h"

extern "C" corvix::cli::QtShell* corvix_qt_shell()
{
    return corvix::cli::linkedQtShell();
}
