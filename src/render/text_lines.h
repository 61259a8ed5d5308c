#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvix {

// The render pass's scratch table of the lines of the block text being drawn. It keeps
// its entries between passes and grows only when a text has more lines than it holds.
class TextLines {
public:
    // Splits text at each CR LF. A text ending in CR LF has no empty last line; an
    // empty text is one empty line. The lines view text, which must outlive their use.
    void split(std::string_view text);

    int32_t count() const { return count_; }
    std::string_view operator[](int32_t index) const { return lines_[size_t(index)]; }
    // Length of the longest line, in characters.
    int32_t longest() const { return longest_; }
    // Entries held, in use or not.
    size_t capacity() const { return lines_.size(); }

private:
    void store(std::string_view line);

    std::vector<std::string_view> lines_ = std::vector<std::string_view>(21);
    int32_t count_ = 0;
    int32_t longest_ = 0;
};

} // namespace corvix
