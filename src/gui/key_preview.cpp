#include "key_preview.h"

#include "key_codes.h"
#include "program_folders.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace corvix {

KeyPreview::KeyPreview(QWidget& window, KeyListener& listener)
    : window_(window)
    , listener_(listener)
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::isPropagation(QObject* watched, QEvent* event)
{
    const bool climbing = event == lastEvent_ && lastReceiver_ && watched->isWidgetType()
                          && static_cast<QWidget*>(lastReceiver_.data())->parentWidget() == watched;
    lastEvent_ = event;
    lastReceiver_ = watched;
    return climbing;
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == &window_) {
        listener_.keyboardLost();
        return false;
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    if (isPropagation(watched, event))
        return lastConsumed_;

    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress && key->key() == Qt::Key_F1) {
        lastConsumed_ = true;
        openHelpPage();
        return true;
    }
    lastConsumed_ = static_cast<QWidget*>(watched)->window() == &window_ && previewKey(event);
    return lastConsumed_;
}

bool KeyPreview::previewKey(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    const int16_t shift = classicShiftBits(*key);
    const int16_t code = classicKeyCode(key->key());
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            listener_.keyUp(code, shift);
        return false;
    }

    int16_t keyCode = code;
    listener_.keyDown(keyCode, shift);
    const int16_t ascii = classicKeyAscii(*key);
    if (ascii != 0)
        listener_.keyPress(ascii);
    return code != 0 && keyCode == 0;
}

} // namespace corvix
