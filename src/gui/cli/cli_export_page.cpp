#include "cli/cli.h"
#include "cli/qt_commands.h"

#include "printing/page_export.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace corvix::cli {

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
