#pragma once

#include "model/block.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvix {

// Without leading and trailing spaces (spaces only: tabs and line breaks stay).
std::string trimSpaces(std::string_view text);

// The text a block of this kind stores: trimmed, and for a decision ending in "?".
std::string blockText(BlockKind kind, std::string_view text);

// Whether text is still what insertion gives a block: "== N ==", with the decision's "?".
bool isDefaultBlockText(BlockKind kind, std::string_view text);

// What pairs goto jumps with goto targets: the text without leading and trailing spaces,
// in lower case, so that keys differing only in letter case match.
std::string gotoKey(std::string_view text);

} // namespace corvix
