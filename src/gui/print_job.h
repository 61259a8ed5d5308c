#pragma once

#include "model/editor_state.h"

#include <QImage>

class QPrinter;

namespace corvix {

// The whole sheet at one pixel per sheet unit, view at the origin, on the window
// background (white): what goes to the printer.
QImage renderPageImage(const EditorState& state);

// Prints one page: the page image stretched over the printer's whole printable area.
// The caller chooses the printer, so tests print into a PDF file. False on any failure.
bool printPage(QPrinter& printer, const EditorState& state);

// The system's default printer, if there is one; false when there is none or printing
// failed.
bool printOnDefaultPrinter(const EditorState& state);

} // namespace corvix
