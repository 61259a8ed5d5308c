#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace corvix {

// Numbers as the vector formats write them: whole numbers plainly, others in the
// shortest form that reads back as the same double.
inline void appendNumber(std::string& out, int64_t value)
{
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), end);
}

inline void appendNumber(std::string& out, double value)
{
    std::array<char, 32> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), end);
}

// value + 0.5, as "98.5", "-0.5": the centre of a unit.
inline void appendHalfAbove(std::string& out, int64_t value)
{
    if (value >= 0) {
        appendNumber(out, value);
    } else {
        out += '-';
        appendNumber(out, -value - 1);
    }
    out += ".5";
}

} // namespace corvix
