#pragma once

#include "export/page_format.h"
#include "model/editor_state.h"

#include <QString>

class QIODevice;

namespace corvix {

// Writes the page as the drawing's file holds it: the whole sheet with the view at the
// origin, on white, nothing selected, whatever the editor is doing. PNG: PageWidth x
// PageHeight pixels. SVG and PDF: one page of the named paper (A4 or Letter, namedPaper)
// of the same physical size in both, with the sheet as vectors scaled to fit and centred. The
// command line and the File menu both write through here. False, leaving any file
// already at path as it was, when the file cannot be written.
bool exportPage(const EditorState& state, const QString& path, PageFormat format);

// The file manager's picture of a drawing: the page of exportPage's PNG as a PNG whose
// longer side is longerSide pixels, drawn at twice that size as the zoomed-out canvas
// draws it and smoothed down. False, as exportPage, when the file cannot be written.
bool exportThumbnail(const EditorState& state, const QString& path, int longerSide);

// The page of exportPage onto a device open for writing; title names the SVG and PDF
// document. False when the device did not take it all.
bool writePage(const EditorState& state, QIODevice& device, PageFormat format, const QString& title);

} // namespace corvix
