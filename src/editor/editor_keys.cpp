// The keys the editor window sees before its controls.
#include "editor/editor.h"

namespace corvix {

namespace {

constexpr int16_t kShiftBit = 1;
constexpr int16_t kCtrlBit = 2;
constexpr int16_t kAltBit = 4;

enum KeyCode : int16_t {
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Delete = 46,
};

constexpr int16_t kEsc = 27;

// Shift together with Ctrl or Alt is the start of a shortcut (Ctrl+Shift+Z), not a
// request to pan: the pan would switch off the menus the shortcut needs.
bool shiftAlone(int16_t shift)
{
    return (shift & (kShiftBit | kCtrlBit | kAltBit)) == kShiftBit;
}

} // namespace

void Editor::Form_KeyDown(int16_t& keyCode, int16_t shift)
{
    shiftDown_ = shiftAlone(shift);
    if ((shift & kShiftBit) != 0)
        return;

    const bool ctrl = (shift & kCtrlBit) != 0;
    const auto step = [&](ScrollAxis axis) { return ctrl ? 1 : int32_t(viewport_.bar(axis).largeChange); };
    constexpr auto H = ScrollAxis::Horizontal;
    constexpr auto V = ScrollAxis::Vertical;
    switch (keyCode) {
    case PageUp:
        viewport_.setValue(V, viewport_.vScroll().minimum);
        break;
    case PageDown:
        viewport_.setValue(V, viewport_.vScroll().maximum);
        break;
    case End:
        viewport_.setValue(H, viewport_.hScroll().maximum);
        break;
    case Home:
        viewport_.setValue(H, viewport_.hScroll().minimum);
        break;
    case Left:
        viewport_.stepTowardMinimum(H, step(H));
        break;
    case Up:
        viewport_.stepTowardMinimum(V, step(V));
        break;
    case Right:
        viewport_.stepTowardMaximum(H, step(H));
        break;
    case Down:
        viewport_.stepTowardMaximum(V, step(V));
        break;
    case Delete:
        if (!apaga_bloco())
            apaga_ligacao();
        return;
    default:
        return;
    }
    keyCode = 0;
}

void Editor::Form_KeyPress(int16_t keyAscii)
{
    switch (keyAscii) {
    case kEsc:
        showKindPanel(false);
        cancela_operacao();
        repinta_tudo();
        break;
    case 'T':
    case 't':
    case 'I':
    case 'i':
        swapDecision();
        break;
    default:
        break;
    }
}

void Editor::swapDecision()
{
    if (!isBlockIndex(state_.selectedBlock))
        return;
    Block swapped = state_.blocks[size_t(state_.selectedBlock)];
    if (!isDecisionKind(swapped.kind))
        return;
    swapped.kind = swapped.kind == Decision ? DecisionSwapped : Decision;
    history_.perform(state_, changes::replaceBlock(state_.selectedBlock, std::move(swapped)));
    repinta_tudo();
}

void Editor::Form_KeyUp(int16_t keyCode, int16_t shift)
{
    (void)keyCode;
    shiftDown_ = shiftAlone(shift);
}

void Editor::windowDeactivated()
{
    shiftDown_ = false;
}

} // namespace corvix
