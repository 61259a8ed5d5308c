#pragma once

#include "model/block.h"
#include "model/diagram_header.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvix {

// The .FXG diagram file on bytes: a 751-byte header, the blocks in use (34 + n bytes
// each), the links in use (8 bytes each) and a trailer holding the file's length, all
// little-endian without padding.

enum class ReadStatus {
    Ok,
    Inconsistent,  // the header's check words do not match its fields
    Damaged,       // anything else the file cannot be trusted with; reason says what
    Unreadable,    // the file could not be opened or read; reason is the system's
};

// Entries in use only: header.blockCount == blocks.size(), header.linkCount == links.size().
struct DiagramData {
    DiagramHeader header;
    std::vector<Block> blocks;
    std::vector<Link> links;
};

struct ReadResult {
    ReadStatus status = ReadStatus::Damaged;
    std::string reason;  // short, for people; empty when Ok
    DiagramData data;    // filled only when Ok
};

// The text length word is 16-bit signed, so a block text holds at most this many bytes.
inline constexpr int32_t kMaxTextBytes = 32767;
inline constexpr int32_t kBlockRecordBaseSize = 34;
inline constexpr int32_t kLinkRecordSize = 8;
inline constexpr int32_t kTrailerSize = 4;

// Checks everything before use: check words, counts against the tables' capacities,
// every length against the end of the input, link ends against the block count, the
// trailer against the input's length. Unknown kinds, ports above 3 and spare fields are
// kept as they are.
ReadResult decodeDiagram(std::span<const uint8_t> bytes);
// decodeDiagram on a file's contents; Unreadable when it cannot be opened or read.
ReadResult readDiagramFile(const std::string& path);

// The header from the first kHeaderSize bytes; a shorter input reads as if padded with
// zeros. Nothing is checked.
DiagramHeader decodeHeader(std::span<const uint8_t> bytes);
// The header's bytes, with its check words as they are stored in it.
std::array<uint8_t, kHeaderSize> encodeHeader(const DiagramHeader& header);

// Lays out a diagram file. First sets header's counts from the tables and its check
// words from the result, so the caller's header describes what was written. nullopt,
// with the counts set but the check words left as they were, when the check words
// overflow or a text is longer than kMaxTextBytes.
std::optional<std::vector<uint8_t>> encodeDiagram(DiagramHeader& header, std::span<const Block> blocks,
                                                  std::span<const Link> links);

} // namespace corvix
