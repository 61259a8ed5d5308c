// The flowchart checks on a diagram at the tables' capacity: crowded, so that nearly every
// block overlaps a neighbour, with links between near neighbours and thousands of goto keys.

#include "capacity_state.h"
#include "checks/flowchart_checks.h"

#include <benchmark/benchmark.h>

namespace corvix {
namespace {

void checksAtCapacity(benchmark::State& bench)
{
    const EditorState& state = capacityDiagram();
    for (auto _ : bench)
        benchmark::DoNotOptimize(checkFlowchart(state));
}

BENCHMARK(checksAtCapacity)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
} // namespace corvix
