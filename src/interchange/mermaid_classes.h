#pragma once
// The Mermaid classes that carry the kinds Mermaid has no shape for, read and written alike.

#include <string_view>

namespace corvix {

inline constexpr std::string_view kGotoJumpClass = "gotoJump";
inline constexpr std::string_view kGotoTargetClass = "gotoTarget";
inline constexpr std::string_view kExplanationClass = "note";

} // namespace corvix
