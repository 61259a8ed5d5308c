// corvix: the command line, without Qt. What needs Qt (the window, pages as pictures) is
// handed to the Qt shell, loaded only then.
#include "cli/cli.h"
#include "cli/qt_shell_loader.h"

#include "model/program_info.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void printUsage(std::FILE* out)
{
    std::fprintf(out,
                 "Usage: corvix [FILE]\n"
                 "       corvix --check FILE...\n"
                 "       corvix --lint FILE...\n"
                 "       corvix [--arrange] --export=OUT FILE\n"
                 "       corvix --thumbnail=SIZE FILE OUT\n"
                 "\n"
                 "Corvix edits flowcharts stored in .FXG diagram files. A FILE ending in .mmd or\n"
                 ".mermaid is read as a Mermaid flowchart and arranged; its errors and warnings\n"
                 "read 'PATH:LINE:COL: error: MESSAGE' (exit status 2).\n"
                 "\n"
                 "  FILE            open this diagram in the editor\n"
                 "  --check         verify diagram files without opening a window; one line a file:\n"
                 "                  'PATH: ok blocks=B links=L', 'PATH: inconsistent' or\n"
                 "                  'PATH: damaged: REASON'; exit status 0 when every file is ok\n"
                 "  --lint          check the flowcharts in diagram files without opening a window;\n"
                 "                  one line a problem, 'PATH:N: CODE: MESSAGE' for block N, or the\n"
                 "                  --check line of a file that is not ok; exit status 0 when no file\n"
                 "                  has a problem, 1 when one has, 2 when a file is not ok\n"
                 "  --export=OUT    render FILE's page to OUT without a window; OUT's extension\n"
                 "                  chooses the format: .png, .svg, .pdf, .fxg (written anew) or .mmd\n"
                 "                  (a Mermaid flowchart)\n"
                 "  --arrange       with --export: lay the flowchart out anew before writing OUT;\n"
                 "                  exit status 1, OUT not written, when it cannot lie on one page\n"
                 "  --thumbnail=SIZE\n"
                 "                  write FILE's page to OUT as a PNG picture whose longer side is\n"
                 "                  SIZE pixels, for the file manager; nothing is written when FILE\n"
                 "                  is not ok\n"
                 "  --help          show this help\n"
                 "  --version       show the version\n");
}

// The whole argument text names one diagram; a pair of surrounding quotes is removed,
// so a path with spaces works quoted or not.
std::string commandLineText(int argc, char** argv)
{
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += ' ';
        text += argv[i];
    }
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    // Past a file size limit a save then fails with its message instead of ending Corvix.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc >= 2) {
        const std::string first = argv[1];
        if (first == "--help" || first == "-h") {
            printUsage(stdout);
            return 0;
        }
        if (first == "--version") {
            std::printf("corvix %d.%d.%d\n", corvix::kVersionMajor, corvix::kVersionMinor, corvix::kVersionPatch);
            return 0;
        }
        if (first == "--check" || first == "--lint") {
            if (argc < 3) {
                printUsage(stderr);
                return 2;
            }
            const std::vector<std::string> files(argv + 2, argv + argc);
            return first == "--check" ? corvix::cli::runCheck(files) : corvix::cli::runLint(files);
        }
        // --arrange goes with --export only, before it.
        const bool arrange = first == "--arrange";
        const std::string exportOption = arrange && argc >= 3 ? argv[2] : first;
        if (exportOption.rfind("--export=", 0) == 0) {
            const std::string out = exportOption.substr(std::strlen("--export="));
            if (out.empty() || argc != (arrange ? 4 : 3)) {
                printUsage(stderr);
                return 2;
            }
            return corvix::cli::runExport(out, argv[arrange ? 3 : 2],
                                          arrange ? corvix::cli::InputLayout::Arranged : corvix::cli::InputLayout::AsDrawn,
                                          corvix::cli::loadQtShell);
        }
        if (first.rfind("--thumbnail=", 0) == 0) {
            if (argc != 4) {
                printUsage(stderr);
                return 2;
            }
            corvix::cli::QtShell* const shell = corvix::cli::loadQtShell();
            return shell ? shell->thumbnail(first.substr(std::strlen("--thumbnail=")), argv[2], argv[3])
                         : corvix::cli::kNoQtShell;
        }
        if (first.rfind("--", 0) == 0) {
            std::fprintf(stderr, "corvix: unknown option %s\n", first.c_str());
            printUsage(stderr);
            return 2;
        }
    }
    corvix::cli::QtShell* const shell = corvix::cli::loadQtShell();
    return shell ? shell->editor(argc, argv, commandLineText(argc, argv)) : corvix::cli::kNoQtShell;
}
