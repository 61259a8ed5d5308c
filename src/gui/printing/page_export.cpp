#include "printing/page_export.h"

#include "render/render_pass.h"
#include "surfaces/painter_target.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace corvix {

namespace {

// Draws the page; false when the device could not be painted on or reports a failure.
bool drawPage(QPaintDevice& device, const EditorState& state)
{
    PainterTarget target(device, Qt::white, QSize(state.paper.pageWidth, state.paper.pageHeight));
    if (!target.isActive())
        return false;
    RenderPass().drawFilePage(target, state);
    return target.end();
}

bool exportPng(const EditorState& state, QSaveFile& file)
{
    QImage image(state.paper.pageWidth, state.paper.pageHeight, QImage::Format_RGB32);
    return !image.isNull() && drawPage(image, state) && image.save(&file, "PNG");
}

bool exportSvg(const EditorState& state, QSaveFile& file)
{
    const QSize sheet(state.paper.pageWidth, state.paper.pageHeight);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(sheet);
    svg.setViewBox(QRect(QPoint(0, 0), sheet));
    svg.setTitle(QFileInfo(file.fileName()).completeBaseName());
    return drawPage(svg, state);
}

bool exportPdf(const EditorState& state, QSaveFile& file)
{
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Corvix"));
    pdf.setTitle(QFileInfo(file.fileName()).completeBaseName());
    const QSizeF paper(state.paper.widthInches, state.paper.heightInches);
    if (!pdf.setPageSize(QPageSize(paper, QPageSize::Inch)) || !pdf.setPageMargins(QMarginsF()))
        return false;
    return drawPage(pdf, state);
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

bool exportPage(const EditorState& state, const QString& path, PageFormat format)
{
    // Written beside the target and renamed over it at the end, so a failure leaves any
    // file that was there as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool drawn = false;
    switch (format) {
    case PageFormat::Png:
        drawn = exportPng(state, file);
        break;
    case PageFormat::Svg:
        drawn = exportSvg(state, file);
        break;
    case PageFormat::Pdf:
        drawn = exportPdf(state, file);
        break;
    }
    if (!drawn) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace corvix
