// Changes to many blocks at once on a diagram at the tables' capacity: every block, or
// every other one, deleted as one step and the step taken back; and as many blocks as
// fit pasted back in and taken out again.

#include "capacity_state.h"
#include "editor/drawing_change.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>
#include <vector>

namespace corvix {
namespace {

std::vector<int32_t> everyNth(int32_t count, int32_t step)
{
    std::vector<int32_t> indices;
    for (int32_t i = 0; i < count; i += step)
        indices.push_back(i);
    return indices;
}

// bench.range(0): 1 deletes every block, 2 every other one.
void deleteSeveralAndUndo(benchmark::State& bench)
{
    EditorState state = capacityDiagram();
    const std::vector<int32_t> doomed = everyNth(state.blockCount, int32_t(bench.range(0)));
    for (auto _ : bench) {
        const std::unique_ptr<DrawingChange> change = changes::removeBlocks(doomed);
        change->apply(state);
        change->revert(state);
        benchmark::DoNotOptimize(state.blockCount);
    }
}

// Half the drawing's blocks pasted after the other half, with the links among them.
void pasteHalfAndUndo(benchmark::State& bench)
{
    EditorState state = capacityDiagram();
    state.blockCount = kBlockCapacity / 2;
    state.linkCount = 0;
    const std::vector<Block> copied(state.blocks.begin(), state.blocks.begin() + state.blockCount);
    for (auto _ : bench) {
        std::vector<std::unique_ptr<DrawingChange>> appends;
        for (const Block& block : copied)
            appends.push_back(changes::appendBlock(block));
        for (int32_t i = 0; i + 1 < int32_t(copied.size()); ++i)
            appends.push_back(changes::appendLink({connectionCode(state.blockCount + i, Port::Bottom),
                                                   connectionCode(state.blockCount + i + 1, Port::Top)}));
        const std::unique_ptr<DrawingChange> paste = changes::batch(std::move(appends));
        paste->apply(state);
        paste->revert(state);
        benchmark::DoNotOptimize(state.blockCount);
    }
}

BENCHMARK(deleteSeveralAndUndo)->ArgName("step")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(pasteHalfAndUndo)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvix
