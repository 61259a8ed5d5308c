#include "printing/page_export.h"

#include "export/pdf_writer.h"
#include "export/svg_writer.h"
#include "model/paper.h"
#include "render/batching_target.h"
#include "render/render_pass.h"
#include "render/sheet_font_measures.h"
#include "surfaces/painter_target.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <functional>

namespace corvix {

namespace {

// Qt's PNG writer deflates at level 1 for this quality: a third of the time of its
// default, for a file a sixth larger.
constexpr int kQuickPngQuality = 80;

// The page on an image of scale times its size, white; a null image when it could not be
// drawn. At scale 1 one pixel is a sheet unit; smaller, the page is drawn as the zoomed-out
// canvas draws it, each line a pixel wide at the pixel holding its units' corners.
QImage pageImage(const EditorState& state, double scale = 1)
{
    const auto side = [scale](int32_t units) { return int(std::ceil(units * scale)); };
    QImage image(side(state.paper.pageWidth), side(state.paper.pageHeight), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    PainterTarget target(image, Qt::white);
    if (!target.isActive())
        return {};
    target.Magnify({scale, 0, 0});
    RenderPass().drawFilePage(target, state);
    if (!target.end())
        return {};
    return image;
}

bool exportPng(const EditorState& state, QIODevice& device)
{
    const QImage image = pageImage(state);
    return !image.isNull() && image.save(&device, "PNG");
}

// The longer side longerSide, the shorter in proportion, rounded, and at least a pixel.
QSize thumbnailSize(QSize page, int longerSide)
{
    const auto shorter = [&](int side, int longer) {
        return std::max(1, int(std::lrint(double(side) * longerSide / longer)));
    };
    if (page.width() >= page.height())
        return {longerSide, shorter(page.height(), page.width())};
    return {shorter(page.width(), page.height()), longerSide};
}

// Written beside the target and renamed over it at the end, so a failure leaves any file
// that was there as it was.
bool writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void drawBatched(BatchWriter& writer, const AdvanceMeasurer& font, const EditorState& state)
{
    BatchingTarget target(writer, font, state.paper.pageWidth, state.paper.pageHeight, colors::White);
    RenderPass().drawFilePage(target, state);
    target.finish();
}

// The vector formats' bytes onto a device of Qt's.
class DeviceSink final : public ByteSink {
public:
    explicit DeviceSink(QIODevice& device)
        : device_(device)
    {
    }
    bool write(std::string_view bytes) override
    {
        return device_.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
    }

private:
    QIODevice& device_;
};

// The named paper of the drawing's paper type, in points.
PaperPoints paperPage(const EditorState& state)
{
    return namedPaper(state.header.paperType, state.paper);
}

bool exportSvg(const EditorState& state, QIODevice& device, const QString& title)
{
    const SheetFontMeasures font;
    DeviceSink sink(device);
    SvgWriter svg(sink, state.paper.pageWidth, state.paper.pageHeight, paperPage(state), title.toStdString(), font);
    drawBatched(svg, font, state);
    return svg.end();
}

bool exportPdf(const EditorState& state, QIODevice& device, const QString& title)
{
    const SheetFontMeasures font;
    DeviceSink sink(device);
    PdfWriter pdf(sink, state.paper.pageWidth, state.paper.pageHeight, paperPage(state), title.toStdU16String(), font);
    drawBatched(pdf, font, state);
    return pdf.end();
}

} // namespace

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
    return writeFileSafely(path, [&](QIODevice& device) {
        return writePage(state, device, format, QFileInfo(path).completeBaseName());
    });
}

bool exportThumbnail(const EditorState& state, const QString& path, int longerSide)
{
    const QSize pageSize(state.paper.pageWidth, state.paper.pageHeight);
    const QSize size = thumbnailSize(pageSize, longerSide);
    // Drawn at twice the thumbnail's size and smoothed down: the lines stay plain to see,
    // where the whole page averaged down would fade them to a faint grey, and the drawing
    // takes a fraction of the time.
    const double scale = std::min(1.0, 2.0 * longerSide / std::max(pageSize.width(), pageSize.height()));
    const QImage page = pageImage(state, scale);
    if (page.isNull())
        return false;
    const QImage thumbnail = page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return writeFileSafely(path, [&](QIODevice& device) {
        QImageWriter writer(&device, "png");
        // A quick deflate: the file manager keeps the picture, and waits for it.
        writer.setQuality(kQuickPngQuality);
        return writer.write(thumbnail);
    });
}

} // namespace corvix
