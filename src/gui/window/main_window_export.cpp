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
    {PageFormat::Png, "PNG image (*.png)", ".png"},
    {PageFormat::Svg, "SVG drawing (*.svg)", ".svg"},
    {PageFormat::Pdf, "PDF document (*.pdf)", ".pdf"},
    {std::nullopt, "Mermaid flowchart (*.mmd)", kMermaidExtension},
}};

QStringList exportFilterList()
{
    QStringList filters;
    for (const ExportFilter& f : kExportFilters)
        filters << QString::fromLatin1(f.filter);
    return filters;
}

struct ExportTarget {
    QString path;
    ExportFormat format;
    bool extensionAdded = false;
};

// The extension typed chooses the format, in any letter case; a name without a known one
// takes the chosen filter's format and extension.
ExportTarget exportTarget(const QString& chosen, const QString& filter)
{
    const QString extension = QLatin1Char('.') + QFileInfo(chosen).suffix().toLower();
    if (const std::optional<PageFormat> format = pageFormatForExtension(extension.toStdString()))
        return {chosen, *format, false};
    if (extension == QLatin1String(kMermaidExtension))
        return {chosen, std::nullopt, false};
    const auto* picked = std::find_if(kExportFilters.begin(), kExportFilters.end(),
                                      [&](const ExportFilter& f) { return filter == QLatin1String(f.filter); });
    const ExportFilter& f = picked != kExportFilters.end() ? *picked : kExportFilters.front();
    return {chosen + QLatin1String(f.extension), f.format, true};
}

// Beside the drawing's file and named after it, so the filter's extension completes it.
QString initialExportPath(const std::string& fileName)
{
    if (fileName.empty())
        return QString();
    const QFileInfo file(QString::fromStdString(fileName));
    return file.dir().filePath(file.completeBaseName());
}

} // namespace

void MainWindow::createExportAction()
{
    mexport_ = new QAction(tr("E&xport..."), this);
    mexport_->setObjectName(QStringLiteral("mexport"));
    connect(mexport_, &QAction::triggered, this, &MainWindow::mexport_Click);
}

void MainWindow::mexport_Click()
{
    QString filter = QString::fromLatin1(kExportFilters.front().filter);
    const QString chosen = dialogs_.exportFileName(this, initialExportPath(state_.fileName), exportFilterList(), filter);
    if (chosen.isEmpty())
        return;
    const ExportTarget target = exportTarget(chosen, filter);
    // The dialog asked about the name typed, not about the one completed here.
    if (target.extensionAdded && QFileInfo::exists(target.path)
        && !dialogs_.question(this, tr("The file (%1) already exists. Do you want to replace it?").arg(target.path)))
        return;

    editor_.desabilita_menus();
    const bool written = target.format ? exportPage(state_, target.path, *target.format)
                                       : writeMermaidFile(target.path.toStdString(), state_.blocksInUse(), state_.linksInUse());
    if (!written)
        dialogs_.message(this, tr("Failed to export file (%1)").arg(target.path), MessageIcon::Critical);
    editor_.habilita_menus();
}

} // namespace corvix
