#include "window/key_preview.h"

#include "app/help_window.h"
#include "window/input_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

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

void KeyPreview::giveKeysTo(QWidget& control)
{
    keyOwners_.push_back(&control);
}

bool KeyPreview::ownsKeys(QObject* watched) const
{
    const auto* widget = static_cast<const QWidget*>(watched);
    return std::any_of(keyOwners_.begin(), keyOwners_.end(),
                       [widget](const QWidget* owner) { return owner->isAncestorOf(widget) || owner == widget; });
}

// Qt hands an ignored key event on to the parent widgets, up to the window, and each
// step passes the filter again. A new event may reuse the old one's address, so the
// key, its time and the parent step must match too.
bool KeyPreview::isPropagation(QObject* watched, const QKeyEvent& event)
{
    const auto* last = qobject_cast<QWidget*>(lastReceiver_.data());
    const bool climbing = &event == lastEvent_ && last && !last->isWindow() && last->parentWidget() == watched
                          && event.type() == lastType_ && event.key() == lastKey_ && event.timestamp() == lastTime_;
    lastEvent_ = &event;
    lastReceiver_ = watched;
    lastType_ = event.type();
    lastKey_ = event.key();
    lastTime_ = event.timestamp();
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
    auto* key = static_cast<QKeyEvent*>(event);
    if (isPropagation(watched, *key))
        return lastConsumed_;

    if (type == QEvent::KeyPress && key->key() == Qt::Key_F1) {
        lastConsumed_ = true;
        openHelpPage(window_);
        return true;
    }
    // The control's keys and their releases are the control's alone, so a key held when
    // the control took the focus is let go where the editor cannot see it.
    if (ownsKeys(watched)) {
        listener_.keyboardLost();
        lastConsumed_ = false;
        return false;
    }
    lastConsumed_ = static_cast<QWidget*>(watched)->window() == &window_ && previewKey(event);
    return lastConsumed_;
}

bool KeyPreview::previewKey(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    const KeyModifiers modifiers = keyModifiers(*key);
    const int16_t code = classicKeyCode(key->key());
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            listener_.keyUp(code, modifiers);
        return false;
    }

    int16_t keyCode = code;
    listener_.keyDown(keyCode, modifiers);
    const int16_t ascii = classicKeyAscii(*key);
    if (ascii != 0)
        listener_.keyPress(ascii);
    return code != 0 && keyCode == 0;
}

} // namespace corvix
