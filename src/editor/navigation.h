#pragma once

#include "model/editor_state.h"
#include "model/message.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvix {

// Find: the first block after the selected one (from the first block when none is
// selected), going round to the selected one last, whose text contains text in any
// letter case; -1 = none. text is Windows-1252 bytes; an empty text is in no block.
int32_t findNextBlock(const EditorState& state, std::string_view text);
// What Find says when no block contains the text (UTF-8).
Message noBlockContainsMessage(std::string_view cp1252Text);

// One step of Go to Target and the goto jump to remember for the next.
struct GotoStep {
    int32_t block = -1;     // the block to select; -1 = none
    int32_t lastJump = -1;  // the goto jump last visited; -1 = none

    bool operator==(const GotoStep&) const = default;
};

// From a selected goto jump, the first goto target with its key; from a selected goto
// target, the next goto jump with its key after lastJump, going round. The jump left or
// reached becomes the last visited, so that a target's jumps are visited in turn.
// Nothing, with lastJump kept, from any other selection or when no block has the key.
GotoStep nextGotoStep(const EditorState& state, int32_t lastJump);

} // namespace corvix
