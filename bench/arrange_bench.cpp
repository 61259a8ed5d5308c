// Arrange on generated flowcharts (bench/arrange/flowchart_gen.py, kept in tests/data/arrange)
// and the refusal of a diagram at the tables' capacity, which must come before any layout.

#include "capacity_state.h"
#include "layout/arrange.h"
#include "storage/diagram_codec.h"
#include "storage/diagram_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace corvix {
namespace {

EditorState chart(const std::string& name)
{
    ReadResult read = readDiagramFile(std::string(CORVIX_ARRANGE_DATA) + "/" + name);
    if (read.status != ReadStatus::Ok)
        std::abort();
    EditorState state;
    replaceDiagram(state, std::move(read.data));
    applyPaperType(state.paper, state.header.paperType);
    return state;
}

void arrangeChart(benchmark::State& bench, const std::string& name)
{
    const EditorState state = chart(name);
    bench.counters["blocks"] = state.blockCount;
    bench.counters["arranged"] = layout::arrangeBlocks(state).arranged;
    for (auto _ : bench)
        benchmark::DoNotOptimize(layout::arrangeBlocks(state));
}

void arrange50Blocks(benchmark::State& bench)
{
    arrangeChart(bench, "chart-50.fxg");
}

// A chart this size does not fit one page: the whole layout runs before the refusal.
void arrange150Blocks(benchmark::State& bench)
{
    arrangeChart(bench, "chart-150.fxg");
}

void refuseCapacityDrawing(benchmark::State& bench)
{
    const EditorState& state = capacityDiagram();
    for (auto _ : bench)
        benchmark::DoNotOptimize(layout::arrangeBlocks(state));
}

BENCHMARK(arrange50Blocks)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(arrange150Blocks)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(refuseCapacityDrawing)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
} // namespace corvix
