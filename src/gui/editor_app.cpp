#include "cli.h"

#include "desktop_dialogs.h"
#include "main_window.h"
#include "model/program_info.h"
#include "program_folders.h"

#include <QApplication>

namespace corvix::cli {

int runEditor(int argc, char** argv, const std::string& commandLine)
{
    QApplication app(argc, argv);

    EditorState state;
    state.programDir = programFolder().toStdString();
    state.programNotice = makeProgramNotice(executableBaseName());
    writeSignature(state.header);

    StandardDialogs dialogs;
    MainWindow window(state, dialogs);
    window.load(commandLine);
    window.show();
    return app.exec();
}

} // namespace corvix::cli
