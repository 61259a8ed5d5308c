#include "printing/print_job.h"

#include "render/render_pass.h"
#include "surfaces/painter_target.h"

#include <QPainter>
#include <QPrinterInfo>

namespace corvix {

QImage renderPageImage(const EditorState& state)
{
    QImage image(state.paper.pageWidth, state.paper.pageHeight, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    PainterTarget target(image, Qt::white);
    if (!target.isActive())
        return {};
    RenderPass().desenha_diagrama(target, state, 0, 0);
    if (!target.end())
        return {};
    return image;
}

bool printPage(QPrinter& printer, const EditorState& state)
{
    const QImage page = renderPageImage(state);
    if (page.isNull())
        return false;
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The printable area spans the paper's inches whatever the printer's real paper:
    // the sheet fills all of it.
    painter.drawImage(painter.viewport(), page);
    return painter.end();
}

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Corvix"));
    return printer;
}

} // namespace corvix
