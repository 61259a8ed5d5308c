#include "cli/cli.h"

#include "model/paper.h"
#include "model/program_info.h"
#include "printing/page_export.h"
#include "storage/diagram_file.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace corvix::cli {

namespace {

// The page image draws with the sheet font, which needs a GUI application; a headless
// run must not need a display. The vector formats load no font and need none.
std::unique_ptr<QGuiApplication> headlessApplication(PageFormat format)
{
    if (format != PageFormat::Png || QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvix";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

} // namespace

int runExportPage(const std::string& outPath, const std::string& inPath, PageFormat format)
{
    EditorState state;
    if (const int status = readInputDiagram(inPath, state))
        return status;
    applyPaperType(state.paper, state.header.paperType);
    state.fileName = absolutePath(inPath);
    state.programNotice = makeProgramNotice(executableBaseName());

    const std::unique_ptr<QGuiApplication> app = headlessApplication(format);
    if (!exportPage(state, QString::fromStdString(outPath), format)) {
        std::fprintf(stderr, "corvix: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}

} // namespace corvix::cli
