// Drags on the canvas: blocks moved with the pointer, a link drawn from port to port, a
// box that selects the blocks inside it, and Ctrl + click on a block's body adding or
// taking it out.
#include "editor/interaction.h"

#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace corvix {

void Interaction::pressLeftToDrag(KeyModifiers modifiers, CanvasPoint at, Point p)
{
    drag_.from = at;
    drag_.fromSheet = p;
    const int32_t block = acha_bloco_mais_proximo(state_, p.x, p.y);
    const bool onPort = block >= 0 && acha_ponto_de_conexao(state_.blocks[size_t(block)], p.x, p.y).port;
    // Ctrl toggles a block pressed on its body; on a port it is a plain press (a link
    // starts or is selected), and so is a click on empty sheet, which a drag turns into
    // a box that adds to the selection.
    if (modifiers.ctrl() && !onPort) {
        if (block < 0) {
            drag_.kind = DragKind::Box;
            drag_.addsToSelection = true;
            drag_.selectsOnClick = true;
            return;
        }
        state_.selection = state_.selection.toggled(block);
        view_.repinta_tudo();
        return;
    }

    if (!onPort && state_.selection.several() && state_.selection.contains(block)) {
        drag_.kind = DragKind::Blocks;
        drag_.selectsOnClick = true;
        return;
    }
    pressIdle(MouseButton::Left, modifiers, p);
    if (state_.editMode == EditMode::Connecting)
        drag_.kind = DragKind::Link;
    else if (block < 0)
        drag_.kind = DragKind::Box;
    else if (state_.selectedBlock() == block)
        drag_.kind = DragKind::Blocks;
}

bool Interaction::pastDragDistance(float x, float y) const
{
    const double distance = std::abs(double(x) - drag_.from.x) + std::abs(double(y) - drag_.from.y);
    return distance > double(dragDistance_);
}

void Interaction::move(MouseButton buttons, float x, float y)
{
    if (!menus_.canvasEnabled())
        return;
    if (drag_.kind != DragKind::None) {
        if (!holds(buttons, MouseButton::Left))
            abandonDrag();
        else if (!drag_.started && pastDragDistance(x, y))
            startDrag();
    }
    view_.pointerMoved(x, y);
}

void Interaction::startDrag()
{
    drag_.started = true;
    drag_.selectsOnClick = false;
    switch (drag_.kind) {
    case DragKind::Blocks:
        // Drawn as a picked-up block is: highlighted, with a band from where it was taken.
        startOperation(EditMode::MovingBlock, Pointer::SizeAll, drag_.fromSheet);
        break;
    case DragKind::Box:
        menus_.desabilita_menus();
        view_.startSelectionBox(drag_.fromSheet);
        break;
    case DragKind::Link:
    case DragKind::None:
        break;
    }
}

// The button went up where the canvas could not see it: nothing moves or gets selected,
// and a link keeps waiting for its second press.
void Interaction::abandonDrag()
{
    const Drag drag = std::exchange(drag_, {});
    if (!drag.started || drag.kind == DragKind::Link)
        return;
    view_.endSelectionBox();
    endDrag();
    view_.repinta_tudo();
}

void Interaction::release(MouseButton button, float x, float y)
{
    if (button != MouseButton::Left || drag_.kind == DragKind::None)
        return;
    const Drag drag = std::exchange(drag_, {});
    const Point p = view_.sheetPoint(x, y);
    if (!drag.started) {
        if (drag.selectsOnClick)
            pressIdle(MouseButton::Left, kNoModifiers, drag.fromSheet);
        return;
    }
    switch (drag.kind) {
    case DragKind::Blocks:
        dropBlocks({p.x - drag.fromSheet.x, p.y - drag.fromSheet.y});
        break;
    case DragKind::Box:
        selectWithinBox(drag.fromSheet, p, drag.addsToSelection);
        break;
    case DragKind::Link:
        // Over a port the release is the second press; elsewhere the link keeps waiting.
        if (portUnder(p))
            pressConnecting(p);
        break;
    case DragKind::None:
        break;
    }
}

void Interaction::dropBlocks(Point by)
{
    if (by.x != 0 || by.y != 0)
        commands_.moveBlocks(state_.selection.blocks(), by.x, by.y);
    endDrag();
    view_.repinta_tudo();
}

void Interaction::selectWithinBox(Point a, Point b, bool addsToSelection)
{
    std::vector<int32_t> selected = addsToSelection ? state_.selection.blocks() : std::vector<int32_t>{};
    for (int32_t i = 0; i < state_.blockCount; ++i) {
        if (liesWithin(state_.blocks[size_t(i)], a, b))
            selected.push_back(i);
    }
    state_.selection = Selection::ofBlocks(std::move(selected));
    view_.endSelectionBox();
    giveBackMenus();
    view_.repinta_tudo();
}

void Interaction::endDrag()
{
    state_.editMode = EditMode::Idle;
    giveBackMenus();
    ui_.setPointer(Pointer::Default);
}

bool Interaction::portUnder(Point p) const
{
    const int32_t block = acha_bloco_mais_proximo(state_, p.x, p.y);
    return block >= 0 && acha_ponto_de_conexao(state_.blocks[size_t(block)], p.x, p.y).port;
}

void Interaction::selectAll()
{
    std::vector<int32_t> all(size_t(state_.blockCount));
    std::iota(all.begin(), all.end(), 0);
    state_.selection = Selection::ofBlocks(std::move(all));
    view_.repinta_tudo();
}

} // namespace corvix
