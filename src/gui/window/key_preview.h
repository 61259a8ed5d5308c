#pragma once

#include "model/input.h"

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <vector>

class QKeyEvent;
class QWidget;

namespace corvix {

// Receives the editor window's keys before any of its controls, in classic codes.
class KeyListener {
public:
    virtual ~KeyListener() = default;
    // Setting keyCode to 0 consumes the key: no control sees it.
    virtual void keyDown(int16_t& keyCode, KeyModifiers modifiers) = 0;
    virtual void keyPress(int16_t keyAscii) = 0;
    virtual void keyUp(int16_t keyCode, KeyModifiers modifiers) = 0;
    // The window lost the keyboard: the releases of keys held now go elsewhere.
    virtual void keyboardLost() = 0;
};

// An application-wide event filter: keys meant for any widget of window go to listener
// first; F1 opens the help page from every window of the program.
class KeyPreview final : public QObject {
public:
    KeyPreview(QWidget& window, KeyListener& listener);
    ~KeyPreview() override;

    // Keys pressed while control or a widget inside it has the focus are the control's:
    // typed text and list moves, not commands to the drawing. The control outlives this.
    void giveKeysTo(QWidget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isPropagation(QObject* watched, const QKeyEvent& event);
    bool previewKey(QEvent* event);
    bool ownsKeys(QObject* watched) const;

    QWidget& window_;
    KeyListener& listener_;
    std::vector<QWidget*> keyOwners_;
    // The key event seen last, to tell its climb to the parent widgets from a new event.
    const QEvent* lastEvent_ = nullptr;
    QPointer<QObject> lastReceiver_;
    QEvent::Type lastType_ = QEvent::None;
    int lastKey_ = 0;
    quint64 lastTime_ = 0;
    bool lastConsumed_ = false;
};

} // namespace corvix
