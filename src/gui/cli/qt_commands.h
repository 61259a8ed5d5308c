#pragma once

#include "cli/qt_shell.h"

#include <memory>
#include <string>

class QGuiApplication;

namespace corvix::cli {

// The Qt shell's commands (cli/qt_shell.h says what each does).
int runExportPage(const std::string& outPath, const std::string& inPath, PageFormat format, InputLayout layout);
int runThumbnail(const std::string& sizeText, const std::string& inPath, const std::string& outPath);
int runEditor(int argc, char** argv, const std::string& commandLine);

// The page image draws with the sheet font, which needs a GUI application: one on the
// offscreen platform unless another is chosen, so that a headless run needs no display.
// None when an application exists already.
std::unique_ptr<QGuiApplication> headlessApplication();

// The commands above as the command line calls them: what the Qt shell library gives
// corvix, and what the tests hand the command line in its place.
QtShell* linkedQtShell();

} // namespace corvix::cli
