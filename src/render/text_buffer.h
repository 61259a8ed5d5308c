#pragma once

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace corvix {

// Text built for an output format: appended at a cursor, numbers written in place (whole
// numbers plainly, others in the shortest form that reads back the same), the room
// doubled when an append needs more. The appends are inline, so that the short pieces a
// vector page is made of cost a few instructions each.
class TextBuffer {
public:
    explicit TextBuffer(size_t capacity);

    void put(char c)
    {
        room(1);
        *end_++ = c;
    }
    void put(std::string_view text)
    {
        room(text.size());
        std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }
    void putNumber(int64_t value)
    {
        room(kNumberRoom);
        end_ = std::to_chars(end_, end_ + kNumberRoom, value).ptr;
    }
    void putNumber(double value)
    {
        room(kNumberRoom);
        end_ = std::to_chars(end_, end_ + kNumberRoom, value).ptr;
    }
    // The value to the thousandth, as putNumber writes that.
    void putRounded(double value) { putNumber(std::nearbyint(value * 1000) / 1000); }

    std::string_view view() const { return {data_.get(), size()}; }
    size_t size() const { return size_t(end_ - data_.get()); }
    void clear() { end_ = data_.get(); }

private:
    // The longest number to_chars writes: a double's shortest form, sign and exponent.
    static constexpr size_t kNumberRoom = 32;

    void room(size_t needed)
    {
        if (size_t(limit_ - end_) < needed)
            grow(needed);
    }
    void grow(size_t needed);

    std::unique_ptr<char[]> data_;
    char* end_;
    char* limit_;
};

} // namespace corvix
