#pragma once
// Blocks and the links among them as bytes, for the clipboard: a paste may land in another
// Corvix window, so the bytes are read with the same distrust as a diagram file.
//
// Layout, little-endian without padding: block count, link count (Longs), the block
// records, the link records (as the diagram file lays them out), and a trailer Long with
// the total length. A link names its blocks by their position among these blocks.

#include "model/block.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvix {

struct DiagramFragment {
    std::vector<Block> blocks;
    std::vector<Link> links;  // connection codes over positions in blocks
    bool operator==(const DiagramFragment&) const = default;
};

// nullopt when a text is longer than a block record can hold.
std::optional<std::vector<uint8_t>> encodeFragment(const DiagramFragment& fragment);
// nullopt unless the bytes hold at least one block, counts within the tables' capacities,
// whole records, link ends among the fragment's blocks and a matching trailer.
std::optional<DiagramFragment> decodeFragment(std::span<const uint8_t> bytes);

} // namespace corvix
