#pragma once

#include "model/diagram_header.h"

#include <cstdint>
#include <optional>
#include <span>

namespace corvix {

// The header's four check words. Each helper takes the running value v and returns the
// new one; every sum is done on signed 32 bits and one that would leave that range
// makes the result nullopt, which fails the write or read computing it. "Masked" means
// v & 0x7FFFFFFF.

// Adds 3c, 5c, 0, c for positions 1, 2, 3, 4 (mod 4) of a fixed-width text, masking after each.
std::optional<int32_t> soma_texto(std::span<const uint8_t> text, int32_t v);
// Adds c, 7c, 9c, 0 for indices 0, 1, 2, 3 (mod 4), masking after each.
std::optional<int32_t> soma_bytes(std::span<const uint8_t> bytes, int32_t v);
// v ^= (L[i] & 0x7FFFFFFF) + i for each index; not masked.
std::optional<int32_t> soma_longs(std::span<const int32_t> longs, int32_t v);
// Adds the days from 1 January 1999 to the date's day, then masks.
std::optional<int32_t> soma_data(double date, int32_t v);

// An OLE date's day number (truncated toward zero), or nullopt for NaN, infinities and
// values outside the 32-bit range.
std::optional<int32_t> dayNumber(double date);

struct CheckWords {
    int32_t check1 = 0;
    int32_t check2 = 0;
    int32_t check3 = 0;
    int32_t check4 = 0;
    bool operator==(const CheckWords&) const = default;
};

// The check words of h from its other fields (its own check fields are ignored);
// nullopt on overflow or a date whose day number is out of range.
std::optional<CheckWords> calcula_verificacao(const DiagramHeader& h);
CheckWords storedCheckWords(const DiagramHeader& h);
void storeCheckWords(DiagramHeader& h, const CheckWords& words);

} // namespace corvix
