// The keys the editor window sees before its controls.
#include "editor/editor.h"

namespace corvix {

namespace {

// Shift together with Ctrl or Alt is the start of a shortcut (Ctrl+Shift+Z), not a
// request to pan: the pan would switch off the menus the shortcut needs.
bool shiftAlone(KeyModifiers modifiers)
{
    return modifiers.shift() && !modifiers.ctrl() && !modifiers.alt();
}

} // namespace

void Editor::Form_KeyDown(int16_t& keyCode, KeyModifiers modifiers)
{
    followShift(shiftAlone(modifiers));
    if (modifiers.shift())
        return;

    Viewport& viewport = view_.viewport();
    const auto step = [&](ScrollAxis axis) {
        return modifiers.ctrl() ? 1 : int32_t(viewport.bar(axis).largeChange);
    };
    constexpr auto H = ScrollAxis::Horizontal;
    constexpr auto V = ScrollAxis::Vertical;
    switch (keyCode) {
    case keys::PageUp:
        viewport.setValue(V, viewport.vScroll().minimum);
        break;
    case keys::PageDown:
        viewport.setValue(V, viewport.vScroll().maximum);
        break;
    case keys::End:
        viewport.setValue(H, viewport.hScroll().maximum);
        break;
    case keys::Home:
        viewport.setValue(H, viewport.hScroll().minimum);
        break;
    case keys::Left:
        viewport.stepTowardMinimum(H, step(H));
        break;
    case keys::Up:
        viewport.stepTowardMinimum(V, step(V));
        break;
    case keys::Right:
        viewport.stepTowardMaximum(H, step(H));
        break;
    case keys::Down:
        viewport.stepTowardMaximum(V, step(V));
        break;
    case keys::Delete:
        interaction_.deleteSelected();
        return;
    default:
        return;
    }
    keyCode = 0;
}

void Editor::Form_KeyPress(int16_t keyAscii)
{
    switch (keyAscii) {
    case keys::Esc:
        interaction_.escape();
        break;
    case 'T':
    case 't':
    case 'I':
    case 'i':
        interaction_.swapSelectedDecision();
        break;
    default:
        break;
    }
}

void Editor::Form_KeyUp(int16_t, KeyModifiers modifiers)
{
    followShift(shiftAlone(modifiers));
}

void Editor::windowDeactivated()
{
    followShift(false);
}

} // namespace corvix
