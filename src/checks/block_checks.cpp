// The checks of one block at a time: a decision's exits, where the drawing lies, the text.

#include "checks/check_steps.h"

#include "model/block_roles.h"
#include "model/text_rules.h"
#include "render/render_pass.h"
#include "render/shape_extent.h"

namespace corvix::checks {

namespace {

bool liesInside(const Extent& e, const SurfaceRect& box)
{
    return e.left > box.left && e.top > box.top && e.right < box.right && e.bottom < box.bottom;
}

} // namespace

void checkDecisionExits(std::span<const Block> blocks, const std::vector<Link>& links, std::vector<Problem>& out)
{
    // A link counts at either of its ends, as the editor finds a port's link.
    std::vector<bool> linked(blocks.size() * 4);
    for (const Link& l : links) {
        for (const int32_t code : {l.source, l.target}) {
            if (codePort(code) <= Port::Left)
                linked[size_t(codeBlock(code)) * 4 + size_t(portNumber(codePort(code)))] = true;
        }
    }
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (!isDecisionKind(blocks[i].kind))
            continue;
        const DecisionExits exits = decisionExits(blocks[i].kind);
        if (!linked[i * 4 + size_t(exits.yes)])
            out.push_back({int32_t(i), ProblemCode::DecisionExit, kYesExit});
        if (!linked[i * 4 + size_t(exits.no)])
            out.push_back({int32_t(i), ProblemCode::DecisionExit, kNoExit});
    }
}

void checkOffPage(std::span<const Block> blocks, const Paper& paper, std::vector<Problem>& out)
{
    const SurfaceRect inner = pageFrame(paper).inner;
    for (size_t i = 0; i < blocks.size(); ++i) {
        // A block of an unknown kind is its text alone: nothing of it is outlined.
        if (!isKnownKind(blocks[i].kind))
            continue;
        const std::optional<Extent> shape = blockShapeExtent(blocks[i]);
        if (!shape || !liesInside(*shape, inner))
            out.push_back({int32_t(i), ProblemCode::OffPage});
    }
}

void checkDefaultTexts(std::span<const Block> blocks, std::vector<Problem>& out)
{
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (isDefaultBlockText(blocks[i].kind, blocks[i].text))
            out.push_back({int32_t(i), ProblemCode::DefaultText});
    }
}

} // namespace corvix::checks
