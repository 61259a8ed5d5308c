#include "storage/diagram_checksum.h"

#include <cmath>
#include <limits>

namespace corvix {

namespace {

constexpr int32_t kMask = 0x7FFFFFFF;
constexpr int32_t kDayOf1999 = 36161;  // day number of 1 January 1999
constexpr int32_t kCheck4Salt = 0x57393342;

std::optional<int32_t> add(int32_t a, int32_t b)
{
    int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

std::optional<int32_t> multiply(int32_t a, int32_t b)
{
    int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return std::nullopt;
    return product;
}

// Adds weights[i % 4] * c for every byte, masking after each step.
std::optional<int32_t> weightedSum(std::span<const uint8_t> bytes, const int32_t (&weights)[4], int32_t v)
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto sum = add(v, weights[i % 4] * int32_t(bytes[i]));
        if (!sum)
            return std::nullopt;
        v = *sum & kMask;
    }
    return v;
}

} // namespace

std::optional<int32_t> soma_texto(std::span<const uint8_t> text, int32_t v)
{
    // Positions count from 1, so index 0 is position 1.
    static constexpr int32_t weights[4] = {3, 5, 0, 1};
    return weightedSum(text, weights, v);
}

std::optional<int32_t> soma_bytes(std::span<const uint8_t> bytes, int32_t v)
{
    static constexpr int32_t weights[4] = {1, 7, 9, 0};
    return weightedSum(bytes, weights, v);
}

std::optional<int32_t> soma_longs(std::span<const int32_t> longs, int32_t v)
{
    for (size_t i = 0; i < longs.size(); ++i) {
        const auto term = add(longs[i] & kMask, int32_t(i));
        if (!term)
            return std::nullopt;
        v ^= *term;
    }
    return v;
}

std::optional<int32_t> dayNumber(double date)
{
    if (!std::isfinite(date))
        return std::nullopt;
    const double day = std::trunc(date);
    if (day < double(std::numeric_limits<int32_t>::min()) || day > double(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return int32_t(day);
}

std::optional<int32_t> soma_data(double date, int32_t v)
{
    const auto day = dayNumber(date);
    if (!day)
        return std::nullopt;
    const auto days = add(*day, -kDayOf1999);
    if (!days)
        return std::nullopt;
    const auto sum = add(*days, v);
    if (!sum)
        return std::nullopt;
    return *sum & kMask;
}

std::optional<CheckWords> calcula_verificacao(const DiagramHeader& h)
{
    CheckWords words;

    auto v = soma_texto(h.signature, 0);
    if (v)
        v = soma_bytes(h.spareBytes, *v);
    if (!v)
        return std::nullopt;
    words.check1 = h.scrollX ^ h.scrollY ^ h.creatorTag ^ *v;

    v = soma_longs(h.spareLongs, 0);
    const auto blockTerm = multiply(h.blockCount, 345);
    const auto linkTerm = multiply(h.linkCount, 853);
    if (!v || !blockTerm || !linkTerm)
        return std::nullopt;
    v = *v ^ *blockTerm ^ *linkTerm;
    v = soma_texto(h.spareText1, *v);
    if (v)
        v = soma_texto(h.spareText2, *v);
    if (v)
        v = soma_data(h.createdAt, *v);
    if (!v)
        return std::nullopt;
    words.check2 = h.saverTag ^ *v;

    v = soma_texto(h.spareText3, 0);
    for (const double date : {h.spareDate1, h.spareDate2, h.spareDate3, h.spareDate4, h.savedAt, h.spareDate5}) {
        if (v)
            v = soma_data(date, *v);
    }
    if (!v)
        return std::nullopt;
    words.check3 = *v ^ (h.spareLong ^ h.paperType);

    words.check4 = words.check1 ^ words.check2 ^ words.check3 ^ kCheck4Salt;
    return words;
}

CheckWords storedCheckWords(const DiagramHeader& h)
{
    return {h.check1, h.check2, h.check3, h.check4};
}

void storeCheckWords(DiagramHeader& h, const CheckWords& words)
{
    h.check1 = words.check1;
    h.check2 = words.check2;
    h.check3 = words.check3;
    h.check4 = words.check4;
}

} // namespace corvix
