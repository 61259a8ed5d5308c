#include "render/text_buffer.h"

#include <algorithm>

namespace corvix {

TextBuffer::TextBuffer(size_t capacity)
    : data_(new char[capacity])
    , end_(data_.get())
    , limit_(data_.get() + capacity)
{
}

void TextBuffer::grow(size_t needed)
{
    const size_t used = size();
    const size_t capacity = std::max(2 * size_t(limit_ - data_.get()), used + needed);
    std::unique_ptr<char[]> grown(new char[capacity]);
    std::memcpy(grown.get(), data_.get(), used);
    data_ = std::move(grown);
    end_ = data_.get() + used;
    limit_ = data_.get() + capacity;
}

} // namespace corvix
