#pragma once

#include "model/editor_state.h"

#include <QImage>
#include <QPrinter>

#include <functional>
#include <memory>

namespace corvix {

// The whole sheet at one pixel per sheet unit, view at the origin, on the window
// background (white), highlighted as the canvas is (highlightsOf): what goes to the
// printer.
QImage renderPageImage(const EditorState& state);

// Prints one page: the page image stretched over the printer's whole printable area.
// The caller chooses the printer, so tests print into a PDF file. False on any failure.
bool printPage(QPrinter& printer, const EditorState& state);

// Hands out the printer that a print command prints on; null when there is none. Tests
// hand out a PDF printer.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer; null when there is none.
std::unique_ptr<QPrinter> defaultPrinter();

} // namespace corvix
