#pragma once

#include <cstdint>
#include <string>

namespace corvix {

// Codes stored in Block::kind. A file may hold any other value; such a block is
// drawn as its text alone and reported by the hit test.
enum BlockKind : int32_t {
    Action = 1,
    Decision = 2,
    GotoJump = 3,
    GotoTarget = 4,
    Explanation = 5,
    DecisionSwapped = 99,
};

bool isKnownKind(int32_t kind);
bool isDecisionKind(int32_t kind);

// Ports: 0 top (the only entry), 1 right, 2 bottom, 3 left (exits).
enum Port : int32_t { PortTop = 0, PortRight = 1, PortBottom = 2, PortLeft = 3 };

struct Block {
    int32_t kind = 0;
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
constexpr int32_t codeBlock(int32_t code) { return code / 256; }
constexpr int32_t codePort(int32_t code) { return code & 255; }

} // namespace corvix
