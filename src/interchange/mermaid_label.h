#pragma once
// A Mermaid label as a block text: Mermaid's "#name;" codes and HTML entities decoded,
// "<br>" made a line break, then Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>

namespace corvix {

struct DecodedLabel {
    std::string text;         // Windows-1252, lines separated by CR LF
    int32_t unheldCount = 0;  // characters Windows-1252 cannot hold, written as '?'
};

DecodedLabel decodeMermaidLabel(std::string_view utf8);

// The next code point of UTF-8 text at pos, which moves past it; a byte that does not
// start a well-formed sequence is U+FFFD and moves pos by one.
char32_t nextCodePoint(std::string_view utf8, size_t& pos);

} // namespace corvix
