#include "cli/qt_commands.h"

namespace corvix::cli {

namespace {

class LinkedQtShell final : public QtShell {
public:
    int exportPage(const std::string& outPath, const std::string& inPath, PageFormat format, InputLayout layout) override
    {
        return runExportPage(outPath, inPath, format, layout);
    }
    int thumbnail(const std::string& sizeText, const std::string& inPath, const std::string& outPath) override
    {
        return runThumbnail(sizeText, inPath, outPath);
    }
    int editor(int argc, char** argv, const std::string& commandLine) override
    {
        return runEditor(argc, argv, commandLine);
    }
};

} // namespace

QtShell* linkedQtShell()
{
    static LinkedQtShell shell;
    return &shell;
}

} // namespace corvix::cli
