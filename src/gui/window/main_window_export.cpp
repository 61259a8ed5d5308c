// File > Export...: the page written as a PNG, SVG or PDF file, the same page that
// `corvix --export` writes from the same drawing, or the drawing as a Mermaid flowchart.
#include "window/main_window.h"

#include "dialogs/desktop_dialogs.h"
#include "interchange/mermaid_writer.h"
#include "printing/page_export.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace corvix {

namespace {

// A page format, or none for the Mermaid text.
using ExportFormat = std::optional<PageFormat>;

struct ExportFilter {
    ExportFormat format;
    const char* filter;
    const char* extension;
};

constexpr const char* kMermaidExtension = ".mmd";

// The first is offered first.
constexpr std::array<ExportFilter, 4> kExportFilters = {{
    {PageFormat::Png, QT_TRANSLATE_NOOP("corvix::MainWindow", "PNG image (*.png)"), ".png"},
    {PageFormat::Svg, QT_TRANSLATE_NOOP("corvix::MainWindow", "SVG drawing (*.svg)"), ".svg"},
    {PageFormat::Pdf, QT_TRANSLATE_NOOP("corvix::MainWindow", "PDF document (*.pdf)"), ".pdf"},
    {std::nullopt, QT_TRANSLATE_NOOP("corvix::MainWindow", "Mermaid flowchart (*.mmd)"), kMermaidExtension},
}};

// The filter as the dialog shows it, in the user's language.
QString filterText(const ExportFilter& f)
{
    return MainWindow::tr(f.filter);
}

QStringList exportFilterList()
{
    QStringList filters;
    for (const ExportFilter& f : kExportFilters)
        filters << filterText(f);
    return filters;
}

struct ExportTarget {
    QString path;
    ExportFormat format;
};

// The extension typed chooses the format, in any letter case; a name without a known one
// takes the chosen filter's format and extension.
ExportTarget exportTarget(const QString& chosen, const QString& filter)
{
    const QString extension = QLatin1Char('.') + QFileInfo(chosen).suffix().toLower();
    if (const std::optional<PageFormat> format = pageFormatForExtension(extension.toStdString()))
        return {chosen, *format};
    if (extension == QLatin1String(kMermaidExtension))
        return {chosen, std::nullopt};
    const auto* picked = std::find_if(kExportFilters.begin(), kExportFilters.end(),
                                      [&](const ExportFilter& f) { return filter == filterText(f); });
    const ExportFilter& f = picked != kExportFilters.end() ? *picked : kExportFilters.front();
    return {chosen + QLatin1String(f.extension), f.format};
}

// Beside the drawing's file and named after it, with the offered format's extension.
QString initialExportPath(const std::string& fileName)
{
    if (fileName.empty())
        return QString();
    const QFileInfo file(QString::fromStdString(fileName));
    return file.dir().filePath(file.completeBaseName() + QLatin1String(kExportFilters.front().extension));
}

} // namespace

void MainWindow::createExportAction()
{
    mexport_ = new QAction(tr("E&xport..."), this);
    mexport_->setObjectName(QStringLiteral("mexport"));
    connect(mexport_, &QAction::triggered, this, &MainWindow::exportDrawing);
}

void MainWindow::exportDrawing()
{
    QString filter = filterText(kExportFilters.front());
    QString proposed = initialExportPath(state_.fileName);
    ExportTarget target;
    // The question is about the file written, whatever the dialog completed; No goes back
    // to the dialog.
    for (;;) {
        const QString chosen = dialogs_.exportFileName(this, proposed, exportFilterList(), filter);
        if (chosen.isEmpty())
            return;
        target = exportTarget(chosen, filter);
        if (!QFileInfo::exists(target.path)
            || dialogs_.question(this, tr("The file (%1) already exists. Do you want to replace it?").arg(target.path)))
            break;
        proposed = target.path;
    }

    editor_.disableMenus();
    const bool written = target.format ? exportPage(state_, target.path, *target.format)
                                       : writeMermaidFile(target.path.toStdString(), state_.blocksInUse(), state_.linksInUse());
    if (!written)
        dialogs_.message(this, tr("Failed to export file (%1)").arg(target.path), MessageIcon::Critical);
    editor_.enableMenus();
}

} // namespace corvix
