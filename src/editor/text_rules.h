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

} // namespace corvix
