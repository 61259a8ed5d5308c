#pragma once
// What a screen reader says about a block: its name ("Decision 4: i <= n?") and where
// its exits go and what enters it ("Yes: block 5; No: block 7; Entered from blocks 3, 6").
// words gives the words around the numbers and the text: English, or the shell's language.

#include "model/editor_state.h"
#include "model/message.h"

#include <cstdint>
#include <string>

namespace corvix {

// "<Kind> <N>: <text>", N the 1-based block number, the text's line breaks read as
// spaces. Windows-1252 bytes, as the text is; empty for an index not in use.
std::string blockSpokenName(const EditorState& state, int32_t index, Wording words = englishText);

// The exits and entries of the block, parts joined by "; ", in UTF-8: "Next: block 2",
// "Yes: block 5; No: no link", "Target: block 9", "Jumps from blocks 2, 3",
// "Entered from block 1". Empty for an explanation that nothing enters.
std::string blockSpokenDescription(const EditorState& state, int32_t index, Wording words = englishText);

} // namespace corvix
