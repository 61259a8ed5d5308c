// The canvas: presses by edit mode, pointer moves with the rubber band, double-click.
#include "editor/editor.h"

#include "editor/hit_test.h"

#include <cstdlib>
#include <string>

namespace corvix {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kCtrlBit = 2;
constexpr int64_t kPickUpReach = 20;  // a right press this close to a centre picks the block up

} // namespace

void Editor::Diagrama_MouseDown(int button, int shift, float x, float y)
{
    if (!canvasEnabled_)
        return;
    const int32_t px = canvasToSheet(viewport_.hScroll().value, x);
    const int32_t py = canvasToSheet(viewport_.vScroll().value, y);
    switch (state_.editMode) {
    case Idle:
        pressIdle(button, shift, px, py);
        break;
    case Connecting:
        pressConnecting(px, py);
        break;
    case MovingBlock:
        dropBlock(px, py);
        break;
    case MovingAll:
        dropAll(px, py);
        break;
    case Inserting:
        pressInserting(button, px, py);
        break;
    default:
        break;
    }
}

int32_t Editor::findPort(int32_t px, int32_t py)
{
    const PortHit hit = acha_ponto_de_conexao(state_.blocks[size_t(state_.selectedBlock)], px, py);
    if (hit.port == kBadKindPort)
        ui_.showMessage("Problems concerning block type!", MessageIcon::None);
    else if (hit.port >= 0) {
        anchorX_ = hit.point.x;
        anchorY_ = hit.point.y;
    }
    return hit.port;
}

void Editor::startOperation(EditMode mode, Pointer pointer)
{
    ui_.setPointer(pointer);
    desabilita_menus();
    state_.editMode = mode;
    rubberBandDrawn_ = false;
}

void Editor::pressIdle(int button, int shift, int32_t px, int32_t py)
{
    if (state_.blockCount == 0)
        return;

    state_.selectedBlock = acha_bloco_mais_proximo(state_, px, py);
    state_.selectedLink = -1;
    if (state_.selectedBlock >= 0) {
        const int32_t port = findPort(px, py);
        if (port >= 0) {
            const int32_t code = connectionCode(state_.selectedBlock, port);
            const int32_t link = state_.findLinkAtPort(code);
            if (link >= 0) {
                state_.selectedBlock = -1;
                state_.selectedLink = link;
                repinta_tudo();
                return;
            }
            linkSource_ = code;
            startOperation(Connecting, Pointer::Arrow);
        }
    }

    if (button == kRightButton) {
        if (shift & kCtrlBit) {
            anchorX_ = moveOriginX_ = px;
            anchorY_ = moveOriginY_ = py;
            startOperation(MovingAll, Pointer::SizeAll);
        } else if (state_.selectedBlock >= 0) {
            const Block& b = state_.blocks[size_t(state_.selectedBlock)];
            if (std::llabs(int64_t(px) - b.x) < kPickUpReach && std::llabs(int64_t(py) - b.y) < kPickUpReach) {
                anchorX_ = b.x;
                anchorY_ = b.y;
                startOperation(MovingBlock, Pointer::SizeAll);
            }
        }
    }
    repinta_tudo();
}

void Editor::pressConnecting(int32_t px, int32_t py)
{
    state_.selectedBlock = acha_bloco_mais_proximo(state_, px, py);
    const int32_t port = state_.selectedBlock >= 0 ? findPort(px, py) : -1;
    if (port < 0) {
        cancela_operacao();
        repinta_tudo();
        return;
    }

    linkTarget_ = connectionCode(state_.selectedBlock, port);
    const int32_t sourcePort = codePort(linkSource_);
    if (state_.selectedBlock == codeBlock(linkSource_)) {
        ui_.showMessage("You can NOT connect a block to itself!", MessageIcon::Exclamation);
    } else if (sourcePort != PortTop && port == PortTop) {
        makeLink({linkSource_, linkTarget_});
    } else if (sourcePort == PortTop && port != PortTop) {
        makeLink({linkTarget_, linkSource_});
    } else {
        ui_.showMessage("This link is not valid!", MessageIcon::Exclamation);
    }
    cancela_operacao();
    repinta_tudo();
}

void Editor::makeLink(const Link& link)
{
    if (state_.linkCount >= kLinkCapacity) {
        ui_.showMessage("The drawing already has " + std::to_string(kLinkCapacity)
                            + " links, as many as it can hold. The link was not made.",
                        MessageIcon::Exclamation);
        return;
    }
    history_.perform(state_, changes::appendLink(link));
}

void Editor::dropBlock(int32_t px, int32_t py)
{
    ui_.setPointer(Pointer::Default);
    if (isBlockIndex(state_.selectedBlock)) {
        Block moved = state_.blocks[size_t(state_.selectedBlock)];
        moved.x = snapToGrid(px);
        moved.y = snapToGrid(py);
        history_.perform(state_, changes::replaceBlock(state_.selectedBlock, std::move(moved)));
    }
    cancela_operacao();
    repinta_tudo();
}

void Editor::dropAll(int32_t px, int32_t py)
{
    history_.perform(state_, changes::moveAllBlocks(px - moveOriginX_, py - moveOriginY_));
    cancela_operacao();
    repinta_tudo();
}

void Editor::pressInserting(int button, int32_t px, int32_t py)
{
    if (button != kLeftButton)
        return;
    insere_bloco(state_.kindToInsert, "== " + std::to_string(state_.blockCount) + " ==", px, py);
    cancela_operacao();
    repinta_tudo();
}

void Editor::Diagrama_MouseMove(int button, int shift, float x, float y)
{
    (void)button;
    (void)shift;
    if (!canvasEnabled_)
        return;
    pointerX_ = roundCanvas(x);
    pointerY_ = roundCanvas(y);
    desenha_elastico(false);
}

void Editor::desenha_elastico(bool forcar)
{
    LineStyle style;
    switch (state_.editMode) {
    case Connecting:
        style = LineStyle::Dot;
        break;
    case MovingBlock:
        style = LineStyle::Dash;
        break;
    case MovingAll:
        style = LineStyle::DashDotDot;
        break;
    default:
        return;
    }
    if (!forcar && pointerX_ == rubberBandLastX_ && pointerY_ == rubberBandLastY_)
        return;

    canvas_.DrawStyle(style);
    canvas_.XorMode(true);
    // The fixed end sits 2 units right of and below where the anchor point is drawn.
    const int32_t fixedX = anchorX_ - viewport_.hScroll().value + 2;
    const int32_t fixedY = anchorY_ - viewport_.vScroll().value + 2;
    if (rubberBandDrawn_)
        canvas_.Line(rubberBandLastX_, rubberBandLastY_, fixedX, fixedY, colors::White);
    rubberBandDrawn_ = true;
    rubberBandLastX_ = pointerX_;
    rubberBandLastY_ = pointerY_;
    canvas_.Line(rubberBandLastX_, rubberBandLastY_, fixedX, fixedY, colors::White);
    canvas_.DrawStyle(LineStyle::Solid);
    canvas_.XorMode(false);
    ui_.refreshCanvas();
}

void Editor::Diagrama_DblClick()
{
    if (!canvasEnabled_ || !isBlockIndex(state_.selectedBlock))
        return;
    const int32_t edited = state_.selectedBlock;
    cancela_operacao();
    repinta_tudo();
    state_.selectedBlock = edited;
    textDialogOpen_ = true;
    ui_.openTextDialog(state_.blocks[size_t(edited)].text);
}

} // namespace corvix
