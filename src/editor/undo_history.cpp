#include "editor/undo_history.h"

#include <utility>
#include <vector>

namespace corvix {

void UndoHistory::noteSavedState(const EditorState& state)
{
    if (!state.modified)
        saved_ = current_;
}

void UndoHistory::perform(EditorState& state, std::unique_ptr<DrawingChange> change)
{
    noteSavedState(state);
    change->apply(state);
    state.modified = true;

    while (canRedo()) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    Step step;
    step.bytes = sizeof(Step) + change->bytes();
    step.change = std::move(change);
    step.before = current_;
    step.after = current_ = ++lastId_;
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++next_;

    while (!steps_.empty() && (steps_.size() > kDepth || bytes_ > kByteBudget))
        forgetOldest();
}

void UndoHistory::performJoined(EditorState& state, std::unique_ptr<DrawingChange> change)
{
    if (!canUndo() || canRedo()) {
        perform(state, std::move(change));
        return;
    }
    noteSavedState(state);
    // The last change is taken back and made again as the first part of one batch.
    Step& last = steps_.back();
    last.change->revert(state);
    std::vector<std::unique_ptr<DrawingChange>> parts;
    parts.push_back(std::move(last.change));
    parts.push_back(std::move(change));
    last.change = changes::batch(std::move(parts));
    last.change->apply(state);
    state.modified = true;
    bytes_ -= last.bytes;
    last.bytes = sizeof(Step) + last.change->bytes();
    bytes_ += last.bytes;
    last.after = current_ = ++lastId_;
}

void UndoHistory::forgetOldest()
{
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --next_;
}

bool UndoHistory::undo(EditorState& state)
{
    if (!canUndo())
        return false;
    noteSavedState(state);
    Step& step = steps_[--next_];
    step.change->revert(state);
    current_ = step.before;
    state.modified = current_ != saved_;
    return true;
}

bool UndoHistory::redo(EditorState& state)
{
    if (!canRedo())
        return false;
    noteSavedState(state);
    Step& step = steps_[next_++];
    step.change->apply(state);
    current_ = step.after;
    state.modified = current_ != saved_;
    return true;
}

void UndoHistory::clear()
{
    steps_.clear();
    next_ = 0;
    bytes_ = 0;
    current_ = saved_ = ++lastId_;
}

void UndoHistory::markSaved()
{
    saved_ = current_;
}

void UndoHistory::forgetSavedState()
{
    saved_ = ++lastId_;
}

} // namespace corvix
