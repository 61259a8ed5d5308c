// The render pass on a diagram at the tables' capacity: into the editor's canvas at
// several scroll positions and zooms, into the whole page image, a zoom step of the
// editor from the command to the new canvas image, and the page exported to SVG and PDF
// in memory with every block on the sheet, and its thumbnail.

#include "capacity_state.h"
#include "editor/editor.h"
#include "printing/page_export.h"
#include "render/render_pass.h"
#include "surfaces/canvas_surface.h"
#include "surfaces/painter_target.h"
#include "surfaces/qt_text_measurer.h"
#include "view/zoom.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace corvix {
namespace {

void renderInto(benchmark::State& bench, QSize size, QColor background, int32_t ox, int32_t oy,
                double zoom = kActualSize)
{
    const EditorState& state = capacityDiagram();
    QImage image(size, QImage::Format_RGB32);
    PainterTarget target(image, background);
    target.Magnify({zoom, 0, 0});
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

constexpr QSize kCanvas(688, 488);

// The canvas zoomed to show the whole page, and at the largest zoom in the sheet's middle.
void canvasFitPage(benchmark::State& bench)
{
    const double zoom = fitPageZoom(kCanvas.width(), kCanvas.height(), capacityDiagram().paper);
    renderInto(bench, kCanvas, QColor(255, 255, 220), 0, 0, zoom);
}

void canvasLargestZoom(benchmark::State& bench)
{
    renderInto(bench, kCanvas, QColor(255, 255, 220), 500, 700, kLargestZoom);
}

// The window's side of the UI port does nothing here: only the editor and its canvas count.
class QuietUi final : public UiPort {
public:
    void showMessage(const std::string&, MessageIcon) override {}
    bool askYesNo(const std::string&) override { return false; }
    void setPointer(Pointer, BlockKind) override {}
    void setMainMenusEnabled(bool) override {}
    void setCommandStates(const CommandStates&) override {}
    void setPaperChecked(int32_t) override {}
    void refreshCanvas() override {}
    void scrollBarsChanged() override {}
    void showKindPanel(bool) override {}
    void openTextDialog(const std::string&) override {}
    void startPanTimer(int32_t) override {}
    void stopPanTimer() override {}
};

// Zoom In and Zoom Out by turns about the canvas's centre, between 100 % and 125 %.
void zoomStep(benchmark::State& bench)
{
    EditorState state = capacityDiagram();
    QuietUi ui;
    CanvasSurface canvas;
    canvas.resize(kCanvas, 1);
    const QtTextMeasurer font;
    Editor editor(state, ui, canvas, font);
    editor.mtippapel_Click(0);
    editor.Form_Resize(kCanvas.width() + Viewport::kBarThickness, kCanvas.height() + Viewport::kBarThickness, false);
    editor.viewport().setValue(ScrollAxis::Horizontal, 250);
    editor.viewport().setValue(ScrollAxis::Vertical, 520);
    bool in = true;
    for (auto _ : bench) {
        if (in)
            editor.zoom().zoomIn();
        else
            editor.zoom().zoomOut();
        in = !in;
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
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

// The file manager's picture at its large size, written to a file as the thumbnailer
// writes it; the whole run of corvix --thumbnail adds the program's start and its fonts.
void pageThumbnail(benchmark::State& bench)
{
    const EditorState& state = wholeDrawingOnTheSheet();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("thumbnail.png"));
    for (auto _ : bench) {
        if (!exportThumbnail(state, path, int(bench.range(0))))
            bench.SkipWithError("the thumbnail was not written");
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
BENCHMARK(canvasFitPage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(canvasLargestZoom)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(zoomStep)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(pagePass)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(pageThumbnail)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
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
