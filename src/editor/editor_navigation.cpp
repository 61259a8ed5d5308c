// Taking the user to a block: the problems list, Find and Go to Target.
#include "editor/editor.h"

#include "editor/navigation.h"
#include "model/block_roles.h"

namespace corvix {

namespace {

// Why Go to Target found nowhere to go from the selection.
Message gotoDeadEndMessage(const EditorState& state)
{
    const int32_t selected = state.selectedBlock();
    const BlockKind kind = selected >= 0 && selected < state.blockCount ? state.blocks[size_t(selected)].kind : BlockKind::None;
    if (isGotoJump(kind))
        return {MessageId::NoTargetOfJump, {}};
    if (isGotoTarget(kind))
        return {MessageId::NoJumpToTarget, {}};
    return {MessageId::NotAGotoBlock, {}};
}

} // namespace

bool Editor::canGoToBlock() const
{
    return !interaction_.operationWaiting();
}

bool Editor::selectBlock(int32_t index)
{
    if (!canGoToBlock() || index < 0 || index >= state_.blockCount)
        return false;
    state_.selection = Selection::ofBlock(index);
    view_.showBlock(state_.blocks[size_t(index)]);
    view_.repinta_tudo();
    return true;
}

void Editor::findNext(const std::string& cp1252Text)
{
    if (!canGoToBlock())
        return;
    const int32_t found = findNextBlock(state_, cp1252Text);
    if (found < 0) {
        messages_.showMessage(noBlockContainsMessage(cp1252Text), MessageIcon::None);
        return;
    }
    selectBlock(found);
}

void Editor::gotoTarget()
{
    if (!canGoToBlock())
        return;
    const GotoStep step = nextGotoStep(state_, lastJump_);
    if (step.block < 0) {
        messages_.showMessage(gotoDeadEndMessage(state_), MessageIcon::None);
        return;
    }
    lastJump_ = step.lastJump;
    selectBlock(step.block);
}

} // namespace corvix
