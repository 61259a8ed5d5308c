// Flow blocks that the chart's start cannot reach.

#include "checks/check_steps.h"

#include "editor/flow_steps.h"
#include "model/block_roles.h"

#include <algorithm>

namespace corvix::checks {

void checkReachability(std::span<const Block> blocks, const std::vector<Link>& links, const GotoIndex& gotos,
                       std::vector<Problem>& out)
{
    const int32_t start = startBlock(blocks, links);
    if (start < 0)
        return;
    const Groups<Link> linksFrom = grouped(links, blocks.size(), [](const Link& l) { return size_t(codeBlock(l.source)); });
    // Each key's targets are queued once, by the first of its jumps that is reached.
    std::vector<bool> keyFollowed(gotos.keys.size());
    std::vector<bool> reached(blocks.size());
    std::vector<int32_t> queue{start};
    reached[size_t(start)] = true;
    const auto visit = [&](int32_t b) {
        if (!reached[size_t(b)]) {
            reached[size_t(b)] = true;
            queue.push_back(b);
        }
    };
    for (size_t q = 0; q < queue.size(); ++q) {
        const auto b = size_t(queue[q]);
        for (size_t k = linksFrom.first[b]; k < linksFrom.first[b + 1]; ++k)
            visit(codeBlock(linksFrom.items[k].target));
        const int32_t key = gotos.keyOf[b];
        if (isGotoJump(blocks[b].kind) && !keyFollowed[size_t(key)]) {
            keyFollowed[size_t(key)] = true;
            std::for_each(gotos.keys[size_t(key)].targets.begin(), gotos.keys[size_t(key)].targets.end(), visit);
        }
    }
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (!reached[i] && isFlowKind(blocks[i].kind))
            out.push_back({int32_t(i), ProblemCode::Unreachable});
    }
}

} // namespace corvix::checks
