#include "render/text_lines.h"

#include <algorithm>

namespace corvix {

void TextLines::split(std::string_view text)
{
    count_ = 0;
    longest_ = 0;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos)
            break;
        store(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size() || count_ == 0)
        store(text.substr(start));
}

void TextLines::store(std::string_view line)
{
    // Ten spare entries at a time, so that a long text does not grow the table line by line.
    if (size_t(count_) >= lines_.size())
        lines_.resize(size_t(count_) + 1 + 10);
    lines_[size_t(count_)] = line;
    ++count_;
    longest_ = std::max(longest_, int32_t(std::min<size_t>(line.size(), INT32_MAX)));
}

} // namespace corvix
