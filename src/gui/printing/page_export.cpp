#include "printing/page_export.h"

#include "model/paper.h"
#include "render/batching_target.h"
#include "render/render_pass.h"
#include "surfaces/painter_target.h"
#include "surfaces/pdf_writer.h"
#include "surfaces/sheet_font_measures.h"
#include "surfaces/svg_writer.h"

#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace corvix {

namespace {

bool exportPng(const EditorState& state, QIODevice& device)
{
    QImage image(state.paper.pageWidth, state.paper.pageHeight, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    {
        PainterTarget target(image, Qt::white);
        if (!target.isActive())
            return false;
        RenderPass().drawFilePage(target, state);
        if (!target.end())
            return false;
    }
    return image.save(&device, "PNG");
}

void drawBatched(BatchWriter& writer, const AdvanceMeasurer& font, const EditorState& state)
{
    BatchingTarget target(writer, font, state.paper.pageWidth, state.paper.pageHeight, colors::White);
    RenderPass().drawFilePage(target, state);
    target.finish();
}

// The named paper of the drawing's paper type, in points.
QSizeF paperPage(const EditorState& state)
{
    const PaperPoints page = namedPaper(state.header.paperType, state.paper);
    return {page.width, page.height};
}

bool exportSvg(const EditorState& state, QIODevice& device, const QString& title)
{
    const SheetFontMeasures font;
    SvgWriter svg(device, QSize(state.paper.pageWidth, state.paper.pageHeight), paperPage(state), title, font);
    drawBatched(svg, font, state);
    return svg.end();
}

bool exportPdf(const EditorState& state, QIODevice& device, const QString& title)
{
    const SheetFontMeasures font;
    PdfWriter pdf(device, QSize(state.paper.pageWidth, state.paper.pageHeight), paperPage(state), title, font);
    drawBatched(pdf, font, state);
    return pdf.end();
}

} // namespace

std::optional<PageFormat> pageFormatForExtension(std::string_view extension)
{
    if (extension == ".png")
        return PageFormat::Png;
    if (extension == ".svg")
        return PageFormat::Svg;
    if (extension == ".pdf")
        return PageFormat::Pdf;
    return std::nullopt;
}

bool writePage(const EditorState& state, QIODevice& device, PageFormat format, const QString& title)
{
    switch (format) {
    case PageFormat::Png:
        return exportPng(state, device);
    case PageFormat::Svg:
        return exportSvg(state, device, title);
    case PageFormat::Pdf:
        return exportPdf(state, device, title);
    }
    return false;
}

bool exportPage(const EditorState& state, const QString& path, PageFormat format)
{
    // Written beside the target and renamed over it at the end, so a failure leaves any
    // file that was there as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writePage(state, file, format, QFileInfo(path).completeBaseName())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace corvix
