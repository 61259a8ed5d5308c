#include "cli.h"

#include <QApplication>
#include <QMainWindow>

namespace corvix::cli {

int runEditor(int argc, char** argv, const std::string& commandLine)
{
    (void)commandLine;
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(700, 500);
    window.show();
    return app.exec();
}

} // namespace corvix::cli
