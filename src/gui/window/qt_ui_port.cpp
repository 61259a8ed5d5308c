#include "window/qt_ui_port.h"

#include "app/core_messages.h"
#include "dialogs/desktop_dialogs.h"
#include "window/kind_pictures.h"
#include "window/main_window.h"

#include <QApplication>

namespace corvix {

QtUiPort::QtUiPort(MainWindow& window, DesktopDialogs& dialogs)
    : window_(window)
    , dialogs_(dialogs)
{
}

QtUiPort::~QtUiPort()
{
    if (pointerOverridden_)
        QApplication::restoreOverrideCursor();
}

void QtUiPort::showMessage(const Message& message, MessageIcon icon)
{
    dialogs_.message(&window_, translatedText(message), icon);
}

bool QtUiPort::askYesNo(const Message& question)
{
    return dialogs_.question(&window_, translatedText(question));
}

bool QtUiPort::askYesNoDefaultNo(const Message& question)
{
    return dialogs_.question(&window_, translatedText(question), DefaultAnswer::No);
}

// The pointer is the program's, not one widget's: it holds over every window.
void QtUiPort::setPointer(Pointer pointer, BlockKind kind)
{
    QCursor cursor;
    switch (pointer) {
    case Pointer::Default:
        if (pointerOverridden_)
            QApplication::restoreOverrideCursor();
        pointerOverridden_ = false;
        return;
    case Pointer::Arrow: cursor = QCursor(Qt::ArrowCursor); break;
    case Pointer::SizeAll: cursor = QCursor(Qt::SizeAllCursor); break;
    case Pointer::Hourglass: cursor = QCursor(Qt::WaitCursor); break;
    case Pointer::InsertKind: cursor = kindCursor(kind); break;
    }
    if (pointerOverridden_)
        QApplication::changeOverrideCursor(cursor);
    else
        QApplication::setOverrideCursor(cursor);
    pointerOverridden_ = true;
}

void QtUiPort::setMainMenusEnabled(bool enabled)
{
    window_.setMainMenusEnabled(enabled);
}

void QtUiPort::setCommandStates(const CommandStates& states)
{
    window_.setCommandStates(states);
}

void QtUiPort::setPaperChecked(int32_t index)
{
    window_.setPaperChecked(index);
}

void QtUiPort::refreshCanvas()
{
    window_.refreshCanvas();
}

void QtUiPort::scrollBarsChanged()
{
    window_.mirrorScrollBars();
}

void QtUiPort::showKindPanel(bool visible)
{
    window_.showKindPanel(visible);
}

void QtUiPort::openTextDialog(const std::string& cp1252Text)
{
    window_.openTextDialog(cp1252Text);
}

void QtUiPort::startPanTimer(int32_t milliseconds)
{
    window_.startPanTimer(milliseconds);
}

void QtUiPort::stopPanTimer()
{
    window_.stopPanTimer();
}

} // namespace corvix
