#pragma once
// The checks one by one; each appends what it finds, in block order.

#include "checks/flowchart_checks.h"
#include "checks/goto_index.h"
#include "model/editor_state.h"
#include "model/paper.h"

#include <numeric>
#include <span>
#include <vector>

namespace corvix::checks {

// The links below the count whose two ends name blocks in use.
std::vector<Link> linksBetween(const EditorState& state, std::span<const Block> blocks);

// Items grouped by a key from 0 to keyCount - 1, in the order they came within a group:
// group k is items[first[k]..first[k + 1]). A counting sort, linear in the items, as a
// crowded drawing has thousands of links and problems.
template<typename T>
struct Groups {
    std::vector<size_t> first;
    std::vector<T> items;
};

template<typename T, typename KeyOf>
Groups<T> grouped(const std::vector<T>& items, size_t keyCount, KeyOf keyOf)
{
    Groups<T> g{std::vector<size_t>(keyCount + 1), std::vector<T>(items.size())};
    for (const T& item : items)
        ++g.first[keyOf(item) + 1];
    std::partial_sum(g.first.begin(), g.first.end(), g.first.begin());
    std::vector<size_t> next(g.first.begin(), g.first.end() - 1);
    for (const T& item : items)
        g.items[next[keyOf(item)]++] = item;
    return g;
}

void checkDecisionExits(std::span<const Block> blocks, const std::vector<Link>& links, std::vector<Problem>& out);
void checkGotoKeys(std::span<const Block> blocks, const GotoIndex& gotos, std::vector<Problem>& out);
void checkReachability(std::span<const Block> blocks, const std::vector<Link>& links, const GotoIndex& gotos,
                       std::vector<Problem>& out);
void checkOffPage(std::span<const Block> blocks, const Paper& paper, std::vector<Problem>& out);
void checkOverlaps(std::span<const Block> blocks, std::vector<Problem>& out);
void checkDefaultTexts(std::span<const Block> blocks, std::vector<Problem>& out);

} // namespace corvix::checks
