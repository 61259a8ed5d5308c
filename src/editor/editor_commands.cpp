// Insert Block with its panel, deletion, block definition and the text dialog.
#include "editor/editor.h"

#include "editor/text_rules.h"
#include "render/block_geometry.h"

#include <string>
#include <utility>

namespace corvix {

namespace {

constexpr int16_t kKindButtons = 5;  // SelBloco(0..4) insert the kinds 1..5

} // namespace

void Editor::showKindPanel(bool visible)
{
    kindPanelVisible_ = visible;
    ui_.showKindPanel(visible);
}

void Editor::minserebloco_Click()
{
    showKindPanel(true);
    cancela_operacao();
    repinta_tudo();
    desabilita_menus();
}

void Editor::SelBloco_Click(int16_t index)
{
    if (index < 0 || index >= kKindButtons)
        return;
    state_.kindToInsert = index + 1;
    showKindPanel(false);
    ui_.setPointer(Pointer::InsertKind, state_.kindToInsert);
    state_.editMode = Inserting;
}

void Editor::mapagabloco_Click()
{
    desabilita_menus();
    if (!apaga_bloco())
        apaga_ligacao();
    habilita_menus();
}

bool Editor::apaga_bloco()
{
    const int32_t d = state_.selectedBlock;
    if (!isBlockIndex(d))
        return false;
    if (!ui_.askYesNo("Delete selected block?"))
        return true;
    history_.perform(state_, changes::removeBlock(d));
    cancela_operacao();
    repinta_tudo();
    return true;
}

void Editor::apaga_ligacao()
{
    const int32_t k = state_.selectedLink;
    if (k < 0 || k >= state_.linkCount)
        return;
    if (!ui_.askYesNo("Delete selected link?"))
        return;
    history_.perform(state_, changes::removeLink(k));
    state_.selectedLink = -1;
    repinta_tudo();
}

Block Editor::definedBlock(Block block, int32_t kind, const std::string& text, int32_t x, int32_t y) const
{
    sizeBlock(block, kind, blockText(kind, text), x, y, windowFont_);
    return block;
}

void Editor::define_bloco(int32_t index, int32_t kind, const std::string& text, int32_t x, int32_t y)
{
    if (index < 0 || index >= kBlockCapacity)
        return;
    Block defined = definedBlock(state_.blocks[size_t(index)], kind, text, x, y);
    history_.perform(state_, changes::replaceBlock(index, std::move(defined)));
}

bool Editor::insere_bloco(int32_t kind, const std::string& text, int32_t x, int32_t y)
{
    if (state_.blockCount >= kBlockCapacity) {
        ui_.showMessage("The drawing already has " + std::to_string(kBlockCapacity)
                            + " blocks, as many as it can hold. The block was not inserted.",
                        MessageIcon::Exclamation);
        return false;
    }
    // The entry may have held a block before: what a definition does not write stays.
    Block defined = definedBlock(state_.blocks[size_t(state_.blockCount)], kind, text, x, y);
    history_.perform(state_, changes::appendBlock(std::move(defined)));
    return true;
}

void Editor::textDialogOk(const std::string& cp1252Text)
{
    const std::string text = trimSpaces(cp1252Text);
    if (text.empty() || !isBlockIndex(state_.selectedBlock))
        return;
    const Block& b = state_.blocks[size_t(state_.selectedBlock)];
    define_bloco(state_.selectedBlock, b.kind, text, b.x, b.y);
}

void Editor::textDialogClosed()
{
    textDialogOpen_ = false;
    state_.selectedBlock = -1;
    repinta_tudo();
}

} // namespace corvix
