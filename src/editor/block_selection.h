#pragma once
// The blocks the user has selected. One selected block is the drawing's own selection,
// EditorState::selectedBlock, which every command meant for one block reads. Two or more
// are held here instead, with selectedBlock -1, so those commands leave them alone; they
// never reach the file.

#include "model/editor_state.h"
#include "render/render_pass.h"

#include <cstdint>
#include <vector>

namespace corvix {

class BlockSelection {
public:
    explicit BlockSelection(EditorState& state);
    BlockSelection(const BlockSelection&) = delete;
    BlockSelection& operator=(const BlockSelection&) = delete;

    // The selected blocks, ascending: several, the drawing's selected block, or none.
    std::vector<int32_t> blocks() const;
    bool empty() const { return !several() && !oneSelected(); }
    bool several() const { return !several_.empty(); }
    bool contains(int32_t block) const;

    // The selection becomes these blocks (any order, each in use); no link stays selected.
    void select(std::vector<int32_t> blocks);
    // The block joins the selection, or leaves it when it was in.
    void toggle(int32_t block);
    // Forgets several selected blocks and keeps the drawing's own selection. Whatever sets
    // selectedBlock itself or renumbers the blocks calls this first.
    void forgetSeveral() { several_.clear(); }

    // The canvas's highlights: the drawing's selection and move-all mode, and several
    // selected blocks with the links between them.
    Highlights highlights() const;

private:
    // The drawing's own selection is a block in use.
    bool oneSelected() const { return state_.selectedBlock >= 0 && state_.selectedBlock < state_.blockCount; }

    EditorState& state_;
    std::vector<int32_t> several_;  // ascending, two or more, or empty
};

} // namespace corvix
