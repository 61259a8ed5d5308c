#include "page_export.h"

#include "painter_target.h"
#include "render/render_pass.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace corvix {

namespace {

// Draws the page; false when the device could not be painted on or reports a failure.
bool drawPage(QPaintDevice& device, const EditorState& state)
{
    PainterTarget target(device, Qt::white, QSize(state.paper.pageWidth, state.paper.pageHeight));
    if (!target.isActive())
        return false;
    desenha_diagrama(target, state, 0, 0);
    return target.end();
}

bool exportPng(const EditorState& state, const QString& path)
{
    QImage image(state.paper.pageWidth, state.paper.pageHeight, QImage::Format_RGB32);
    return !image.isNull() && drawPage(image, state) && image.save(path, "PNG");
}

bool exportSvg(const EditorState& state, const QString& path)
{
    const QSize sheet(state.paper.pageWidth, state.paper.pageHeight);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(sheet);
    svg.setViewBox(QRect(QPoint(0, 0), sheet));
    svg.setTitle(QFileInfo(path).completeBaseName());
    return drawPage(svg, state);
}

bool exportPdf(const EditorState& state, const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setCreator(QStringLiteral("Corvix"));
    pdf.setTitle(QFileInfo(path).completeBaseName());
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
    switch (format) {
    case PageFormat::Png:
        return exportPng(state, path);
    case PageFormat::Svg:
        return exportSvg(state, path);
    case PageFormat::Pdf:
        return exportPdf(state, path);
    }
    return false;
}

} // namespace corvix
