// The keyboard's way through the flow: following exits and entries, inserting a block
// linked from a free exit, editing a block's text and linking by a block's text.
#include "editor/interaction.h"

#include "editor/free_place.h"
#include "editor/navigation.h"
#include "model/block_roles.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace corvix {

namespace {


} // namespace

void Interaction::selectAndShow(int32_t block)
{
    state_.selection = Selection::ofBlock(block);
    view_.showBlock(state_.blocks[size_t(block)]);
    view_.repinta_tudo();
}

// The start block, or in a chart that loops back to its first block the lowest-numbered
// flow block; false when there is no flow block.
bool Interaction::selectStartBlock()
{
    const std::span<const Block> blocks = state_.blocksInUse();
    int32_t start = startBlock(blocks, std::span<const Link>(state_.links.data(), size_t(state_.linkCount)));
    if (start < 0) {
        const auto flow = std::find_if(blocks.begin(), blocks.end(), [](const Block& b) { return isFlowKind(b.kind); });
        if (flow == blocks.end())
            return false;
        start = int32_t(flow - blocks.begin());
    }
    selectAndShow(start);
    return true;
}

void Interaction::editSelectedText()
{
    if (!operationWaiting() && isBlockIndex(state_.selectedBlock()))
        openTextDialogOn(state_.selectedBlock(), true, false);
}

void Interaction::followExit(FlowSide side)
{
    if (operationWaiting())
        return;
    const int32_t from = state_.selectedBlock();
    if (!isBlockIndex(from)) {
        if (state_.selection.several())
            return;
        if (state_.blockCount > 0)
            selectStartBlock();
        else if (side == FlowSide::Down)
            startKeyInsertion({std::nullopt, {view_.viewCentre().x, view_.sheetPoint(0, 0).y}});
        return;
    }
    const std::optional<Port> exit = exitOnSide(state_.blocks[size_t(from)].kind, side);
    if (!exit)
        return;
    const std::vector<int32_t> reached = blocksFromExit(state_, from, *exit);
    if (!reached.empty())
        selectAndShow(reached.front());
    else
        startKeyInsertion({connectionCode(from, *exit), {}});
}

void Interaction::followEntry()
{
    if (operationWaiting())
        return;
    const int32_t at = state_.selectedBlock();
    if (!isBlockIndex(at)) {
        if (!state_.selection.several() && state_.blockCount > 0)
            selectStartBlock();
        return;
    }
    // Pressed again: the next block entering the one the last step came from.
    if (at == upReached_ && isBlockIndex(upFrom_)) {
        const std::vector<int32_t> entering = blocksEntering(state_, upFrom_);
        const auto next = std::upper_bound(entering.begin(), entering.end(), at);
        if (std::binary_search(entering.begin(), entering.end(), at) && next != entering.end()) {
            upReached_ = *next;
            selectAndShow(*next);
            return;
        }
    }
    const std::vector<int32_t> entering = blocksEntering(state_, at);
    if (entering.empty())
        return;
    upFrom_ = at;
    upReached_ = entering.front();
    selectAndShow(upReached_);
}

void Interaction::startKeyInsertion(KeyInsertion from)
{
    keyInsertion_ = from;
    showKindPanel(true);
    menus_.desabilita_menus();
}

Point Interaction::wantedPlace(const KeyInsertion& from, const Block& fresh) const
{
    if (!from.fromExit)
        return placeUnder(from.top, fresh);
    return placeUnderExit(state_.blocks[size_t(codeBlock(*from.fromExit))], codePort(*from.fromExit), fresh);
}

void Interaction::insertChosenKind(BlockKind kind)
{
    const KeyInsertion from = *keyInsertion_;
    showKindPanel(false);
    cancela_operacao();
    // A refusal leaves the block the insertion started from selected.
    const auto refuse = [&] {
        if (from.fromExit)
            state_.selection = Selection::ofBlock(codeBlock(*from.fromExit));
        view_.repinta_tudo();
    };
    // A full table is said before the search for a place, which a crowded sheet makes long.
    if (!commands_.roomToInsert(from.fromExit.has_value())) {
        refuse();
        return;
    }
    const std::string text = "== " + std::to_string(state_.blockCount) + " ==";
    const Block fresh = commands_.blockAsDefined(state_.blockCount, kind, text);
    const std::optional<Point> place = freePlace(state_, fresh, wantedPlace(from, fresh), -1);
    if (!place) {
        ui_.showMessage({MessageId::NoFreePlace, {}}, MessageIcon::Exclamation);
        refuse();
        return;
    }
    if (!commands_.insertLinked(kind, text, place->x, place->y, from.fromExit)) {
        refuse();
        return;
    }
    const int32_t inserted = state_.blockCount - 1;
    inserted_ = from;
    view_.showBlock(state_.blocks[size_t(inserted)]);
    openTextDialogOn(inserted, true, true);
}

// The text may make the block larger: it moves to the nearest free place for its new
// size, in the same undo step as its insertion.
void Interaction::defineInsertedText(const std::string& text)
{
    const int32_t index = state_.selectedBlock();
    const Block& b = state_.blocks[size_t(index)];
    const Block sized = commands_.blockAsDefined(index, b.kind, text);
    const Point place = freePlace(state_, sized, wantedPlace(inserted_, sized), index).value_or(Point{b.x, b.y});
    commands_.defineJoined(index, b.kind, text, place.x, place.y);
}

bool Interaction::startLinkByText()
{
    if (operationWaiting())
        return false;
    if (!isBlockIndex(state_.selectedBlock())) {
        ui_.showMessage({MessageId::NoBlockToLinkFrom, {}}, MessageIcon::Exclamation);
        return false;
    }
    if (!firstFreeExit(state_, state_.selectedBlock())) {
        ui_.showMessage({MessageId::NoFreeExit, {}}, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

void Interaction::linkToBlockWithText(const std::string& cp1252Text)
{
    if (!startLinkByText())
        return;
    const int32_t from = state_.selectedBlock();
    const int32_t to = findNextBlock(state_, cp1252Text);
    if (to < 0)
        ui_.showMessage(noBlockContainsMessage(cp1252Text), MessageIcon::None);
    else if (to == from)
        ui_.showMessage({MessageId::LinkToItself, {}}, MessageIcon::Exclamation);
    else if (!offersPort(state_.blocks[size_t(to)].kind, Port::Top))
        ui_.showMessage({MessageId::InvalidLink, {}}, MessageIcon::Exclamation);
    else
        commands_.addLink({connectionCode(from, *firstFreeExit(state_, from)), connectionCode(to, Port::Top)});
    view_.repinta_tudo();
}

} // namespace corvix
