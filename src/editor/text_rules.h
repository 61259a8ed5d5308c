#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvix {

// Without leading and trailing spaces (spaces only: tabs and line breaks stay).
std::string trimSpaces(std::string_view text);

// The text a block of this kind stores: trimmed, and for a decision ending in "?".
std::string blockText(int32_t kind, std::string_view text);

} // namespace corvix
