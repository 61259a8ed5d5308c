#pragma once

#include <cstdint>
#include <string>

namespace corvix {

// The kind of a block, by the code the diagram file stores. A file may hold any other
// 32-bit value; such a block keeps it, is drawn as its text alone and is reported by the
// hit test. None (0) also means "no kind chosen" for the block to insert.
enum class BlockKind : int32_t {
    None = 0,
    Action = 1,
    Decision = 2,          // Yes exit left, No exit right
    GotoJump = 3,
    GotoTarget = 4,
    Explanation = 5,
    DecisionSwapped = 99,  // a decision with Yes right and No left
};

constexpr int32_t kindCode(BlockKind kind) { return static_cast<int32_t>(kind); }
constexpr BlockKind kindFromCode(int32_t code) { return static_cast<BlockKind>(code); }

bool isKnownKind(BlockKind kind);
bool isDecisionKind(BlockKind kind);

// The four ports of a block: the top is the only entry, the others are exits.
enum class Port : int32_t { Top = 0, Right = 1, Bottom = 2, Left = 3 };

constexpr int32_t portNumber(Port port) { return static_cast<int32_t>(port); }

struct Block {
    BlockKind kind = BlockKind::None;
    int32_t x = 0;       // centre, sheet units
    int32_t y = 0;
    int32_t width = 0;   // measured text size, always even
    int32_t height = 0;
    std::string text;    // Windows-1252 bytes, lines separated by CR LF
    int32_t portDy = 0;  // centre to top port, negative once set
    int32_t portDx = 0;  // centre to right port (decisions)
    int32_t spare = 0;   // never written by the editor, kept from files

    bool operator==(const Block&) const = default;
};

// A link always runs from an exit (source) to an entry (target).
struct Link {
    int32_t source = 0;  // ConnectionCode
    int32_t target = 0;  // ConnectionCode

    bool operator==(const Link&) const = default;
};

// block index * 256 + port. Division truncates toward zero and the mask takes the
// low byte of the two's complement form, so negative codes from files split safely.
constexpr int32_t connectionCode(int32_t block, int32_t port) { return block * 256 + port; }
constexpr int32_t connectionCode(int32_t block, Port port) { return connectionCode(block, portNumber(port)); }
constexpr int32_t codeBlock(int32_t code) { return code / 256; }
// Any value 0..255: a file may name a port that no block has.
constexpr Port codePort(int32_t code) { return static_cast<Port>(code & 255); }

} // namespace corvix
