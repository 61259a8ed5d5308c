#include "cli/qt_shell_loader.h"

#include "model/program_info.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace corvix::cli {

QtShell* loadQtShell()
{
    const std::string folder = executableDir();
    std::string path = folder + CORVIX_QT_SHELL_FILE;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        path = folder + CORVIX_QT_SHELL_FROM_BIN "/" CORVIX_QT_SHELL_FILE;
    // Bound at once, so that a missing library of Qt's is reported here and not in the
    // middle of a command.
    void* const library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "corvix: %s\n", dlerror());
        return nullptr;
    }
    const auto entry = reinterpret_cast<QtShell* (*)()>(dlsym(library, "corvix_qt_shell"));
    if (!entry) {
        std::fprintf(stderr, "corvix: %s\n", dlerror());
        return nullptr;
    }
    return entry();
}

} // namespace corvix::cli
