#include "editor/interaction.h"

#include "model/text_rules.h"

#include <cstdlib>
#include <string>

namespace corvix {

namespace {

constexpr int16_t kKindButtons = 5;   // the panel's buttons 0..4 insert the kinds 1..5
constexpr int64_t kPickUpReach = 20;  // a right press this close to a centre picks the block up

} // namespace

Interaction::Interaction(EditorState& state, UiPort& ui, DrawingCommands& commands, CanvasView& view, MenuState& menus)
    : state_(state)
    , ui_(ui)
    , commands_(commands)
    , view_(view)
    , menus_(menus)
{
}

bool Interaction::isBlockIndex(int32_t index) const
{
    return index >= 0 && index < state_.blockCount;
}

bool Interaction::operationWaiting() const
{
    return holdsMenus() || textDialogOpen_;
}

bool Interaction::holdsMenus() const
{
    return state_.editMode != EditMode::Idle || drag_.started || kindPanelVisible_;
}

void Interaction::giveBackMenus()
{
    if (!holdsMenus())
        menus_.habilita_menus();
}

void Interaction::cancela_operacao()
{
    menus_.habilita_menus();
    state_.kindToInsert = BlockKind::None;
    state_.selection = {};
    state_.editMode = EditMode::Idle;
    ui_.setPointer(Pointer::Default);
    drag_ = {};
    keyInsertion_.reset();
    view_.endSelectionBox();
}

void Interaction::press(MouseButton button, KeyModifiers modifiers, float x, float y)
{
    // A drag under way ends with its own release; other buttons meanwhile do nothing.
    if (!menus_.canvasEnabled() || drag_.started)
        return;
    const Point p = view_.sheetPoint(x, y);
    drag_ = {};
    if (state_.editMode == EditMode::Idle && button == MouseButton::Left && !modifiers.shift()) {
        pressLeftToDrag(modifiers, {x, y}, p);
        return;
    }
    switch (state_.editMode) {
    case EditMode::Idle:
        pressIdle(button, modifiers, p);
        break;
    case EditMode::Connecting:
        pressConnecting(p);
        break;
    case EditMode::MovingBlock:
        dropBlock(p);
        break;
    case EditMode::MovingAll:
        dropAll(p);
        break;
    case EditMode::Inserting:
        pressInserting(button, p);
        break;
    }
}

PortHit Interaction::findPort(Point p)
{
    const PortHit hit = acha_ponto_de_conexao(state_.blocks[size_t(state_.selectedBlock())], p.x, p.y);
    if (hit.badKind)
        ui_.showMessage({MessageId::BadBlockKind, {}}, MessageIcon::None);
    return hit;
}

void Interaction::startOperation(EditMode mode, Pointer pointer, Point anchor)
{
    ui_.setPointer(pointer);
    menus_.desabilita_menus();
    state_.editMode = mode;
    view_.startRubberBand(anchor);
}

void Interaction::pressIdle(MouseButton button, KeyModifiers modifiers, Point p)
{
    if (state_.blockCount == 0)
        return;

    const int32_t block = acha_bloco_mais_proximo(state_, p.x, p.y);
    state_.selection = Selection::ofBlock(block);
    if (block >= 0) {
        const PortHit hit = findPort(p);
        if (hit.port) {
            const int32_t code = connectionCode(block, *hit.port);
            const int32_t link = state_.findLinkAtPort(code);
            if (link >= 0) {
                state_.selection = Selection::ofLink(link);
                view_.repinta_tudo();
                return;
            }
            linkSource_ = code;
            startOperation(EditMode::Connecting, Pointer::Arrow, hit.point);
        }
    }

    if (button == MouseButton::Right) {
        if (modifiers.ctrl()) {
            moveOrigin_ = p;
            startOperation(EditMode::MovingAll, Pointer::SizeAll, p);
        } else if (block >= 0) {
            const Block& b = state_.blocks[size_t(block)];
            if (std::llabs(int64_t(p.x) - b.x) < kPickUpReach && std::llabs(int64_t(p.y) - b.y) < kPickUpReach)
                startOperation(EditMode::MovingBlock, Pointer::SizeAll, {b.x, b.y});
        }
    }
    view_.repinta_tudo();
}

void Interaction::pressConnecting(Point p)
{
    const int32_t block = acha_bloco_mais_proximo(state_, p.x, p.y);
    state_.selection = Selection::ofBlock(block);
    const PortHit hit = block >= 0 ? findPort(p) : PortHit{};
    if (!hit.port) {
        cancela_operacao();
        view_.repinta_tudo();
        return;
    }

    const int32_t linkTarget = connectionCode(block, *hit.port);
    const bool sourceIsEntry = codePort(linkSource_) == Port::Top;
    const bool targetIsEntry = *hit.port == Port::Top;
    if (block == codeBlock(linkSource_))
        ui_.showMessage({MessageId::LinkToItself, {}}, MessageIcon::Exclamation);
    else if (!sourceIsEntry && targetIsEntry)
        commands_.addLink({linkSource_, linkTarget});
    else if (sourceIsEntry && !targetIsEntry)
        commands_.addLink({linkTarget, linkSource_});
    else
        ui_.showMessage({MessageId::InvalidLink, {}}, MessageIcon::Exclamation);
    cancela_operacao();
    view_.repinta_tudo();
}

void Interaction::dropBlock(Point p)
{
    ui_.setPointer(Pointer::Default);
    commands_.moveBlock(state_.selectedBlock(), p.x, p.y);
    cancela_operacao();
    view_.repinta_tudo();
}

void Interaction::dropAll(Point p)
{
    commands_.moveAll(p.x - moveOrigin_.x, p.y - moveOrigin_.y);
    cancela_operacao();
    view_.repinta_tudo();
}

void Interaction::pressInserting(MouseButton button, Point p)
{
    if (button != MouseButton::Left)
        return;
    commands_.insere_bloco(state_.kindToInsert, "== " + std::to_string(state_.blockCount) + " ==", p.x, p.y);
    cancela_operacao();
    view_.repinta_tudo();
}

void Interaction::doubleClick()
{
    if (!menus_.canvasEnabled() || !isBlockIndex(state_.selectedBlock()))
        return;
    openTextDialogOn(state_.selectedBlock(), false, false);
}

// The repaint comes before the block is selected again, so that it is not drawn
// highlighted while the dialog is open.
void Interaction::openTextDialogOn(int32_t block, bool keepSelection, bool onInsertion)
{
    cancela_operacao();
    view_.repinta_tudo();
    state_.selection = Selection::ofBlock(block);
    textDialogOpen_ = true;
    dialogKeepsSelection_ = keepSelection;
    dialogOnInsertion_ = onInsertion;
    ui_.openTextDialog(state_.blocks[size_t(block)].text);
}

void Interaction::textDialogOk(const std::string& cp1252Text)
{
    const std::string text = trimSpaces(cp1252Text);
    const int32_t block = state_.selectedBlock();
    if (text.empty() || !isBlockIndex(block))
        return;
    if (dialogOnInsertion_) {
        defineInsertedText(text);
        return;
    }
    const Block& b = state_.blocks[size_t(block)];
    commands_.define_bloco(block, b.kind, text, b.x, b.y);
}

void Interaction::textDialogClosed()
{
    textDialogOpen_ = false;
    if (!dialogKeepsSelection_)
        state_.selection = {};
    dialogKeepsSelection_ = false;
    dialogOnInsertion_ = false;
    view_.repinta_tudo();
}

void Interaction::escape()
{
    // An insertion from the keys goes back to the block it started from.
    const int32_t from = keyInsertion_ && keyInsertion_->fromExit ? codeBlock(*keyInsertion_->fromExit) : -1;
    showKindPanel(false);
    cancela_operacao();
    state_.selection = Selection::ofBlock(from);
    view_.repinta_tudo();
}

void Interaction::showKindPanel(bool visible)
{
    kindPanelVisible_ = visible;
    ui_.showKindPanel(visible);
}

void Interaction::showKindPanelForInsert()
{
    showKindPanel(true);
    cancela_operacao();
    view_.repinta_tudo();
    menus_.desabilita_menus();
}

void Interaction::chooseKindToInsert(int16_t index)
{
    if (index < 0 || index >= kKindButtons)
        return;
    if (keyInsertion_) {
        insertChosenKind(kindFromCode(index + 1));
        return;
    }
    // The panel's canvas takes presses until the next tick, so a connection or a pick-up
    // may have begun meanwhile; the kind ends it, and the repaint wipes its rubber band
    // and the whole drawing's highlight.
    const bool endsOperation = state_.editMode != EditMode::Idle && state_.editMode != EditMode::Inserting;
    state_.kindToInsert = kindFromCode(index + 1);
    showKindPanel(false);
    ui_.setPointer(Pointer::InsertKind, state_.kindToInsert);
    state_.editMode = EditMode::Inserting;
    if (endsOperation)
        view_.repinta_tudo();
}

bool Interaction::apaga_bloco()
{
    const Selection& selected = state_.selection;
    bool removed = false;
    if (selected.several())
        removed = commands_.deleteBlocks(selected.blocks());
    else if (isBlockIndex(selected.block()))
        removed = commands_.deleteBlock(selected.block());
    else
        return false;
    if (removed) {
        cancela_operacao();
        view_.repinta_tudo();
    }
    return true;
}

void Interaction::apaga_ligacao()
{
    if (!commands_.deleteLink(state_.selectedLink()))
        return;
    state_.selection = {};
    view_.repinta_tudo();
}

void Interaction::deleteSelected()
{
    if (!apaga_bloco())
        apaga_ligacao();
}

void Interaction::swapSelectedDecision()
{
    if (commands_.swapDecision(state_.selectedBlock()))
        view_.repinta_tudo();
}

} // namespace corvix
