// The editor window's print preview and printing.
#include "window/main_window.h"

#include "dialogs/desktop_dialogs.h"
#include "model/program_info.h"
#include "printing/print_preview.h"

namespace corvix {

void MainWindow::setPrinterSource(PrinterSource source)
{
    printerSource_ = std::move(source);
}

// The preview stands in for the editor window while it is open.
void MainWindow::mprintprev_Click()
{
    hide();
    PrintPreview preview(state_, editor_.selection().highlights(), QString::fromStdString(executableBaseName()),
                         [this, &preview] { printSheet(&preview); }, this);
    preview.exec();
    show();
}

void MainWindow::mprint_Click()
{
    editor_.disableMenus();
    printSheet(this);
    editor_.enableMenus();
}

void MainWindow::printSheet(QWidget* messageParent)
{
    UiPort& ui = ui_;
    ui.setPointer(Pointer::Hourglass);
    const std::unique_ptr<QPrinter> printer = printerSource_();
    const bool printed = printer && printPage(*printer, state_, editor_.selection().highlights());
    // The pointer is back before the message, which waits for the user.
    ui.setPointer(Pointer::Default);
    if (!printed)
        dialogs_.message(messageParent, tr("Error: Could not print!"), MessageIcon::Critical);
}

} // namespace corvix
