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

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

} // namespace

std::unique_ptr<QGuiApplication> headlessApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvix";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int readPageDiagram(const std::string& path, EditorState& state, InputLayout layout)
{
    if (const int status = readInputDiagram(path, state, layout))
        return status;
    applyPaperType(state.paper, state.header.paperType);
    state.fileName = absolutePath(path);
    state.programNotice = makeProgramNotice(executableBaseName());
    return 0;
}

int runExportPage(const std::string& outPath, const std::string& inPath, PageFormat format, InputLayout layout)
{
    EditorState state;
    if (const int status = readPageDiagram(inPath, state, layout))
        return status;
    // The vector formats load no font and need no GUI application.
    const std::unique_ptr<QGuiApplication> app = format == PageFormat::Png ? headlessApplication() : nullptr;
    if (!exportPage(state, QString::fromStdString(outPath), format)) {
        std::fprintf(stderr, "corvix: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}

} // namespace corvix::cli
