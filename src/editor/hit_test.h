#pragma once

#include "model/editor_state.h"
#include "render/block_geometry.h"

#include <cstdint>
#include <optional>

namespace corvix {

inline constexpr int32_t kPickRadius = 7;       // sheet units, strict
inline constexpr int32_t kAcceptMargin = 27;    // beyond the block's half extent, strict

// A canvas coordinate rounded half to even (pointer positions keep canvas units).
int32_t roundCanvas(float canvas);

// Index of the block under sheet point (x, y), or -1. Only the block nearest by the
// text-box measure is tested against its acceptance box; ties go to the lower index.
int32_t acha_bloco_mais_proximo(const EditorState& state, int32_t x, int32_t y);

// True when the points lie less than the pick radius apart.
bool ponto_proximo(int32_t ax, int32_t ay, int32_t bx, int32_t by);

struct PortHit {
    std::optional<Port> port;  // none when no port is within reach
    bool badKind = false;      // the block's kind is none the editor knows
    Point point;               // the port's sheet point when one was hit
};

// The first of the block's ports, in its kind's order, within the pick radius of (x, y).
PortHit acha_ponto_de_conexao(const Block& block, int32_t x, int32_t y);

// True when the block's outline (its frame, a decision's side points, and the ports its
// kind offers) lies wholly inside the box with opposite corners a and b, edges included.
bool liesWithin(const Block& block, Point a, Point b);

} // namespace corvix
