// The render pass on a diagram at the tables' capacity: into the editor's canvas at
// several scroll positions, into the whole page image, and the page exported to SVG and
// PDF in memory with every block on the sheet.

#include "capacity_state.h"
#include "printing/page_export.h"
#include "render/render_pass.h"
#include "surfaces/painter_target.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace corvix {
namespace {

void renderInto(benchmark::State& bench, QSize size, QColor background, int32_t ox, int32_t oy)
{
    const EditorState& state = capacityDiagram();
    QImage image(size, QImage::Format_RGB32);
    PainterTarget target(image, background);
    RenderPass pass;
    for (auto _ : bench) {
        pass.desenha_diagrama(target, state, ox, oy);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The canvas of a 700 x 500 window, scrolled to the origin, the middle and the far corner
// of the sheet, and far away from every block: the cost of walking the tables alone.
void canvasPass(benchmark::State& bench)
{
    renderInto(bench, QSize(688, 488), QColor(255, 255, 220), int32_t(bench.range(0)), int32_t(bench.range(1)));
}

void pagePass(benchmark::State& bench)
{
    const Paper& paper = capacityDiagram().paper;
    renderInto(bench, QSize(paper.pageWidth, paper.pageHeight), Qt::white, 0, 0);
}

// The bytes of the page, as File > Export and corvix --export write them.
void pageExport(benchmark::State& bench, PageFormat format)
{
    const EditorState& state = wholeDrawingOnTheSheet();
    for (auto _ : bench) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        if (!writePage(state, out, format, QStringLiteral("capacity")))
            bench.SkipWithError("the page was not written");
        bench.counters["bytes"] = double(out.size());
    }
}

BENCHMARK(canvasPass)
    ->ArgNames({"ox", "oy"})
    ->Args({0, 0})
    ->Args({250, 520})
    ->Args({500, 1049})
    ->Args({20000, 20000})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(pagePass)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(pageExport, svg, PageFormat::Svg)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(pageExport, pdf, PageFormat::Pdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace corvix

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
