#pragma once

#include <QKeyEvent>

#include <cstdint>

namespace corvix {

// Key codes as the editor's key handlers take them: 33..40 navigation, 46 Delete,
// 16 Shift, 17 Ctrl, 27 Esc, 48..57 digits, 65..90 letters, 112.. function keys.
// 0 for a key without a code.
int16_t classicKeyCode(int qtKey);

// Shift bits: bit 0 Shift, bit 1 Ctrl, bit 2 Alt.
int16_t classicShiftBits(Qt::KeyboardModifiers modifiers);
// Of a key event, where a modifier key's own press already counts it as held and its
// release as let go.
int16_t classicShiftBits(const QKeyEvent& event);

// The Windows-1252 character a key press types, or 0 when it types none.
int16_t classicKeyAscii(const QKeyEvent& event);

} // namespace corvix
