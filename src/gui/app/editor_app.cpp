#include "cli/qt_commands.h"

#include "app/desktop_identity.h"
#include "app/program_folders.h"
#include "window/remembered_layout.h"
#include "app/splash.h"
#include "app/translations.h"
#include "dialogs/desktop_dialogs.h"
#include "model/program_info.h"
#include "window/main_window.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace corvix::cli {

namespace {

#ifdef CORVIX_TRIAL_CLOCK
// In a trial build only: CORVIX_TEST_CLOCK_RATE=N runs the editor's clock N times faster,
// so that a trial of the running program sees an autosave within seconds, not minutes.
void applyTestClockRate(Editor& editor)
{
    bool ok = false;
    const double rate = qEnvironmentVariable("CORVIX_TEST_CLOCK_RATE").toDouble(&ok);
    if (!ok || !(rate > 0))
        return;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const double startSeconds = editor.nowSeconds();
    editor.setClock([start, startSeconds, rate] {
        return startSeconds + rate * std::chrono::duration<double>(Clock::now() - start).count();
    });
}
#endif

// Qt ends the process when the window system's platform finds no display; the
// platforms that need none (offscreen, a VNC server) are named in QT_QPA_PLATFORM.
bool hasDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) && !platform.startsWith(QLatin1String("wayland")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int runEditor(int argc, char** argv, const std::string& commandLine)
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "corvix: no display to open a window on; --check, --lint and --export need none\n");
        return 2;
    }
    QApplication app(argc, argv);
    applyDesktopIdentity(app);
    installTranslations(desktopLanguages());

    EditorState state;
    state.programDir = programFolder().toStdString();
    state.programNotice = makeProgramNotice(executableBaseName());
    writeSignature(state.header);

    // The editor window is made, loaded and shown only once the splash has gone.
    {
        Splash splash;
        splash.runModal();
    }

    StandardDialogs dialogs;
    MainWindow window(state, dialogs);
#ifdef CORVIX_TRIAL_CLOCK
    applyTestClockRate(window.editor());
#endif
    window.rememberLayoutIn(userLayoutFile());
    window.load(commandLine);
    window.show();
    return app.exec();
}

} // namespace corvix::cli
