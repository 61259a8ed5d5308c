#pragma once

#include "model/program_info.h"
#include "scripted_dialogs.h"
#include "window/canvas_widget.h"
#include "window/main_window.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <string>

namespace corvix {

// The real editor window over a fresh drawing, its program folder a temporary folder and
// every dialog scripted, for the window's test suites to derive from.
class WindowTestBase : public QObject {
protected:
    // Made anew for each test (from init()); not shown yet.
    void makeWindow()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        state_ = std::make_unique<EditorState>();
        state_->programDir = dir_->path().toStdString() + "/";
        state_->programNotice = makeProgramNotice(executableBaseName());
        dialogs_ = std::make_unique<ScriptedDialogs>();
        window_ = std::make_unique<MainWindow>(*state_, *dialogs_);
    }

    // The window's start with this command line, then shown.
    void startWindow(const std::string& commandLine = {})
    {
        window_->load(commandLine);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    // Closes the window without the discard question (from cleanup()).
    void destroyWindow()
    {
        state_->modified = false;
        window_.reset();
        dialogs_.reset();
        state_.reset();
        dir_.reset();
    }

    EditorState& state() { return *state_; }
    QAction* action(const char* name) { return window_->findChild<QAction*>(QString::fromLatin1(name)); }
    CanvasWidget* canvas() const { return window_->findChild<CanvasWidget*>(QStringLiteral("Diagrama")); }
    QString path(const QString& name) const { return dir_->filePath(name); }
    QString captionTail() const { return window_->windowTitle().section(QStringLiteral(" -- "), 1); }

    // Drags the file in and drops it where the canvas takes it; false when refused.
    bool dropFile(const QString& file)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &drop);
        return true;
    }

    void waitForTick()
    {
        QSignalSpy tick(window_->findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout);
        QVERIFY(tick.wait(2000));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorState> state_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace corvix
