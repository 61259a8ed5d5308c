#pragma once

#include "export/page_format.h"

#include <string>

namespace corvix::cli {

// How an export treats its input: as it is, or arranged first (--arrange).
enum class InputLayout { AsDrawn, Arranged };

// The commands that need Qt: the editor's window, and pages drawn as pictures. The
// command line hands them to the Qt shell, a library that corvix loads for them alone,
// so that every other command starts without loading Qt.
class QtShell {
public:
    // The PNG, SVG and PDF cases of --export: FILE's page drawn as printing draws it,
    // without a display.
    virtual int exportPage(const std::string& outPath, const std::string& inPath, PageFormat format,
                           InputLayout layout) = 0;
    // corvix --thumbnail=SIZE IN OUT: IN's page as a PNG whose longer side is SIZE pixels, for
    // the file manager. 0 on success; 1, writing nothing, when IN is not ok or OUT cannot be
    // written; 2 when SIZE is not a whole number from 1 to kMaxThumbnailSize.
    virtual int thumbnail(const std::string& sizeText, const std::string& inPath, const std::string& outPath) = 0;
    // The editor itself; commandLine is the argument text naming a diagram, possibly empty.
    virtual int editor(int argc, char** argv, const std::string& commandLine) = 0;

protected:
    ~QtShell() = default;
};

inline constexpr int kMaxThumbnailSize = 4096;

// Gives the Qt shell, or none after saying on stderr why it cannot be had.
using QtShellLoader = QtShell* (*)();
// The exit status of a command that needs the Qt shell when there is none.
inline constexpr int kNoQtShell = 2;

} // namespace corvix::cli

// The Qt shell library's one entry, looked up by this name: its commands, for as long as
// the process runs.
extern "C" corvix::cli::QtShell* corvix_qt_shell();
