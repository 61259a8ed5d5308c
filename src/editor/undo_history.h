#pragma once

#include "editor/drawing_change.h"
#include "model/editor_state.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

namespace corvix {

// The steps that can be undone and redone. Every change to the drawing goes through
// perform(), so each one is recorded. The history also knows which state was last saved
// or loaded, and keeps `modified` true exactly when the drawing differs from it.
class UndoHistory {
public:
    static constexpr size_t kDepth = 100;
    // The oldest steps are forgotten beyond this, whatever the depth.
    static constexpr size_t kByteBudget = size_t(48) << 20;

    // Applies change as one step and marks the drawing modified; the steps that could be
    // redone are forgotten.
    void perform(EditorState& state, std::unique_ptr<DrawingChange> change);

    // Applies change as part of the last step, so that one undo takes both back (a block
    // inserted from the keys and then its text); a step of its own when the last step was
    // undone or there is none.
    void performJoined(EditorState& state, std::unique_ptr<DrawingChange> change);

    bool canUndo() const { return next_ > 0; }
    bool canRedo() const { return next_ < steps_.size(); }
    // One step back or forward; false, changing nothing, when there is none. `modified`
    // becomes false on the saved state and true on any other.
    bool undo(EditorState& state);
    bool redo(EditorState& state);

    // Forgets every step; the drawing as it is counts as saved (New, a load, start-up).
    void clear();
    // The drawing as it is has been written to its file.
    void markSaved();
    // No state reachable by undo or redo is in a file (a drawing recovered after a crash),
    // so undoing back to where it started still leaves it modified.
    void forgetSavedState();

    size_t undoSteps() const { return next_; }
    size_t redoSteps() const { return steps_.size() - next_; }
    size_t bytes() const { return bytes_; }

private:
    struct Step {
        std::unique_ptr<DrawingChange> change;
        uint64_t before = 0;  // state ids on either side of the step
        uint64_t after = 0;
        size_t bytes = 0;
    };

    // Whatever cleared `modified` (a save) left the drawing in its saved state.
    void noteSavedState(const EditorState& state);
    void forgetOldest();

    std::deque<Step> steps_;
    size_t next_ = 0;  // steps_[0, next_) can be undone, the rest redone
    uint64_t lastId_ = 0;
    uint64_t current_ = 0;
    uint64_t saved_ = 0;
    size_t bytes_ = 0;
};

} // namespace corvix
