// Mermaid flowcharts: 10,000 nodes read (at the blocks' capacity) or refused (one past it),
// and a 60-block flowchart read, arranged and written as an import does. The whole process
// is timed apart, as `corvix --export=OUT.mmd IN.mmd` on the text of sixtyBlocksText().

#include "editor/drawing_import.h"
#include "interchange/mermaid_reader.h"
#include "interchange/mermaid_writer.h"
#include "layout/arrange.h"
#include "model/editor_state.h"
#include "render/sheet_font_measures.h"

#include <benchmark/benchmark.h>

#include <string>

namespace corvix {
namespace {

// count nodes: decisions every fifth, each linked on to the next, labelled as people write them.
std::string flowchartText(int count)
{
    std::string text = "flowchart TD\n";
    for (int i = 0; i < count; ++i) {
        const std::string id = "n" + std::to_string(i);
        text += "  " + id + (i % 5 == 4 ? "{\"Is step " : "[\"Step ") + std::to_string(i) + (i % 5 == 4 ? "?\"}" : "\"]");
        if (i + 1 < count)
            text += std::string(i % 5 == 4 ? " -->|yes| " : " --> ") + "n" + std::to_string(i + 1);
        text += "\n";
        if (i % 5 == 4 && i >= 5)
            text += "  " + id + " -->|no| n" + std::to_string(i - 3) + "\n";
    }
    return text;
}

// 60 blocks that fit a page: a start, five decisions in a row, each with a chain of ten
// actions on its Yes side, and four actions after the last No.
std::string sixtyBlocksText()
{
    std::string text = "flowchart TD\n  s[Start] --> d1{Which way 1}\n";
    for (int way = 1; way <= 5; ++way) {
        const std::string d = "d" + std::to_string(way);
        const std::string chain = "c" + std::to_string(way) + "_";
        text += "  " + d + " -->|yes| " + chain + "0[\"Work " + std::to_string(way) + ".0\"]\n";
        for (int k = 1; k < 10; ++k)
            text += "  " + chain + std::to_string(k - 1) + " --> " + chain + std::to_string(k) + "[\"Work "
                    + std::to_string(way) + "." + std::to_string(k) + "\"]\n";
        text += "  " + d + " -->|no| " + (way < 5 ? "d" + std::to_string(way + 1) + "{Which way " + std::to_string(way + 1) + "}" : "e[Other]") + "\n";
    }
    return text + "  e --> f1[x] --> f2[y] --> f3[z]\n";
}

void readTenThousandNodes(benchmark::State& bench)
{
    const std::string text = flowchartText(kBlockCapacity);
    for (auto _ : bench) {
        const MermaidReading reading = readMermaid(text);
        if (!reading.diagram)
            bench.SkipWithError("not read");
        benchmark::DoNotOptimize(reading);
    }
}

void refuseOnePastCapacity(benchmark::State& bench)
{
    const std::string text = flowchartText(kBlockCapacity + 1);
    for (auto _ : bench) {
        const MermaidReading reading = readMermaid(text);
        if (reading.diagram)
            bench.SkipWithError("not refused");
        benchmark::DoNotOptimize(reading);
    }
}

void sixtyBlocksReadArrangedWritten(benchmark::State& bench)
{
    const std::string text = sixtyBlocksText();
    const SheetFontMeasures font;
    for (auto _ : bench) {
        MermaidReading reading = readMermaid(text);
        const EditorState empty;
        const ArrangedImport arranged =
            arrangeImported(empty, std::move(*reading.diagram), font, layout::arrangeBlocks, std::nullopt);
        if (!arranged.fragment)
            bench.SkipWithError(englishText(arranged.refusal).c_str());
        else
            benchmark::DoNotOptimize(mermaidText(arranged.fragment->blocks, arranged.fragment->links));
    }
}

BENCHMARK(readTenThousandNodes)->Unit(benchmark::kMillisecond);
BENCHMARK(refuseOnePastCapacity)->Unit(benchmark::kMillisecond);
BENCHMARK(sixtyBlocksReadArrangedWritten)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvix
