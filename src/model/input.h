#pragma once
// Pointer buttons, modifier keys and key codes as the editor's handlers take them. The
// shell translates its toolkit's events into these once, at its edge.

#include <cstdint>

namespace corvix {

// Pointer buttons as bits: a press names one, a move passes those held.
enum class MouseButton : int32_t { None = 0, Left = 1, Right = 2, Middle = 4 };

constexpr MouseButton operator|(MouseButton a, MouseButton b)
{
    return static_cast<MouseButton>(static_cast<int32_t>(a) | static_cast<int32_t>(b));
}

// Whether the set of buttons held includes this one.
constexpr bool holds(MouseButton buttons, MouseButton button)
{
    return (static_cast<int32_t>(buttons) & static_cast<int32_t>(button)) != 0;
}

// A point on the canvas, in canvas units, as the pointer reports it.
struct CanvasPoint {
    float x = 0;
    float y = 0;
};

// A rectangle of canvas units: the corner and the size.
struct CanvasBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const CanvasBox&) const = default;
};

// The modifier keys held during an event, as the bit set Shift 1, Ctrl 2, Alt 4.
class KeyModifiers {
public:
    static constexpr int16_t kShift = 1;
    static constexpr int16_t kCtrl = 2;
    static constexpr int16_t kAlt = 4;

    constexpr KeyModifiers() = default;
    constexpr explicit KeyModifiers(int16_t bits)
        : bits_(bits)
    {
    }

    constexpr bool shift() const { return (bits_ & kShift) != 0; }
    constexpr bool ctrl() const { return (bits_ & kCtrl) != 0; }
    constexpr bool alt() const { return (bits_ & kAlt) != 0; }
    constexpr int16_t bits() const { return bits_; }

    constexpr bool operator==(const KeyModifiers&) const = default;

private:
    int16_t bits_ = 0;
};

inline constexpr KeyModifiers kNoModifiers{};
inline constexpr KeyModifiers kShiftHeld{KeyModifiers::kShift};
inline constexpr KeyModifiers kCtrlHeld{KeyModifiers::kCtrl};

// The key codes the editor acts on (the classic virtual-key numbers); the shell maps
// every other key to a code of its own or to 0.
namespace keys {
inline constexpr int16_t Return = 13;
inline constexpr int16_t Esc = 27;
inline constexpr int16_t PageUp = 33;
inline constexpr int16_t PageDown = 34;
inline constexpr int16_t End = 35;
inline constexpr int16_t Home = 36;
inline constexpr int16_t Left = 37;
inline constexpr int16_t Up = 38;
inline constexpr int16_t Right = 39;
inline constexpr int16_t Down = 40;
inline constexpr int16_t Delete = 46;
} // namespace keys

} // namespace corvix
