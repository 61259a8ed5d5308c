#pragma once

#include "model/input.h"

#include <QKeyEvent>

#include <cstdint>

namespace corvix {

// Qt's events in the editor's own terms (model/input.h).

// Key codes as the editor's key handlers take them: 33..40 navigation, 46 Delete,
// 16 Shift, 17 Ctrl, 27 Esc, 48..57 digits, 65..90 letters, 112.. function keys.
// 0 for a key without a code.
int16_t classicKeyCode(int qtKey);

MouseButton mouseButtons(Qt::MouseButtons buttons);
KeyModifiers keyModifiers(Qt::KeyboardModifiers modifiers);
// Of a key event, where a modifier key's own press already counts it as held and its
// release as let go.
KeyModifiers keyModifiers(const QKeyEvent& event);

// The Windows-1252 character a key press types, or 0 when it types none.
int16_t classicKeyAscii(const QKeyEvent& event);

} // namespace corvix
