#pragma once
// The little-endian fields of Corvix's binary records, and the block and link records
// themselves, shared by the diagram file and the clipboard's block format.

#include "model/block.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvix {

// Appends fields to out, little-endian, without padding.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

    void operator()(uint32_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            out_.push_back(uint8_t(value >> (8 * i)));
    }
    void operator()(int32_t value) { (*this)(uint32_t(value), 4); }
    void operator()(double value)
    {
        const auto bits = std::bit_cast<uint64_t>(value);
        (*this)(uint32_t(bits), 4);
        (*this)(uint32_t(bits >> 32), 4);
    }
    template <size_t N>
    void operator()(const std::array<uint8_t, N>& bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    template <size_t N>
    void operator()(const std::array<int32_t, N>& longs)
    {
        for (const int32_t value : longs)
            (*this)(value);
    }
    void operator()(const std::string& text) { out_.insert(out_.end(), text.begin(), text.end()); }

private:
    std::vector<uint8_t>& out_;
};

// Reads fields in order; once a read would run past the end, it and every later one
// fail and leave their targets alone.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    size_t position() const { return pos_; }
    size_t remaining() const { return bytes_.size() - pos_; }

    uint32_t unsignedValue(int width)
    {
        uint32_t value = 0;
        if (take(size_t(width))) {
            for (int i = 0; i < width; ++i)
                value |= uint32_t(bytes_[pos_ - size_t(width) + size_t(i)]) << (8 * i);
        }
        return value;
    }
    void operator()(int32_t& value)
    {
        const uint32_t raw = unsignedValue(4);
        if (ok_)
            value = int32_t(raw);
    }
    void operator()(double& value)
    {
        const uint64_t low = unsignedValue(4);
        const uint64_t high = unsignedValue(4);
        if (ok_)
            value = std::bit_cast<double>(low | (high << 32));
    }
    template <size_t N>
    void operator()(std::array<uint8_t, N>& bytes)
    {
        if (take(N))
            std::copy_n(bytes_.begin() + std::ptrdiff_t(pos_ - N), N, bytes.begin());
    }
    template <size_t N>
    void operator()(std::array<int32_t, N>& longs)
    {
        for (int32_t& value : longs)
            (*this)(value);
    }
    void text(std::string& out, size_t length)
    {
        if (take(length))
            out.assign(bytes_.begin() + std::ptrdiff_t(pos_ - length), bytes_.begin() + std::ptrdiff_t(pos_));
    }

private:
    bool take(size_t n)
    {
        if (!ok_ || n > remaining()) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// A block record: kind, centre, size, a 16-bit text length and the text, port offsets
// and the spare field (34 + n bytes). The text must fit the length word.
void writeBlockRecord(ByteWriter& write, const Block& block);
// False, with a short reason, when the record runs past the end or its length word is
// negative.
bool readBlockRecord(ByteReader& reader, Block& block, std::string& reason);

// A link record: source and target connection codes (8 bytes).
void writeLinkRecord(ByteWriter& write, const Link& link);
// False when the record runs past the end.
bool readLinkRecord(ByteReader& reader, Link& link);

} // namespace corvix
