#include "window/input_events.h"

#include "model/text_codec.h"

namespace corvix {

int16_t classicKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return int16_t(48 + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return int16_t(65 + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return int16_t(112 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

MouseButton mouseButtons(Qt::MouseButtons buttons)
{
    MouseButton result = MouseButton::None;
    if (buttons & Qt::LeftButton)
        result = result | MouseButton::Left;
    if (buttons & Qt::RightButton)
        result = result | MouseButton::Right;
    if (buttons & Qt::MiddleButton)
        result = result | MouseButton::Middle;
    return result;
}

KeyModifiers keyModifiers(Qt::KeyboardModifiers modifiers)
{
    int16_t bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= KeyModifiers::kShift;
    if (modifiers & Qt::ControlModifier)
        bits |= KeyModifiers::kCtrl;
    if (modifiers & Qt::AltModifier)
        bits |= KeyModifiers::kAlt;
    return KeyModifiers(bits);
}

KeyModifiers keyModifiers(const QKeyEvent& event)
{
    int16_t bits = keyModifiers(event.modifiers()).bits();

    // Platforms differ on whether a modifier key's own event already carries its
    // modifier; the editor needs Shift held from its press until its release.
    int16_t own = 0;
    switch (event.key()) {
    case Qt::Key_Shift: own = KeyModifiers::kShift; break;
    case Qt::Key_Control: own = KeyModifiers::kCtrl; break;
    case Qt::Key_Alt: own = KeyModifiers::kAlt; break;
    default: break;
    }
    if (event.type() == QEvent::KeyPress)
        bits |= own;
    else
        bits &= int16_t(~own);
    return KeyModifiers(bits);
}

int16_t classicKeyAscii(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        return 27;
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return int16_t(static_cast<unsigned char>(codePointToCp1252(text.toUcs4().value(0))));
}

} // namespace corvix
