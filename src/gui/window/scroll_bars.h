#pragma once

class QScrollBar;

namespace corvix {

struct ScrollBar;

// Shows the editor's bar on a QScrollBar: its range and value, and disabled while there
// is nothing to scroll (the zoomed sheet fits the canvas along it).
void mirrorScrollBar(QScrollBar& shown, const ScrollBar& bar);

} // namespace corvix
