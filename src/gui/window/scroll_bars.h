#pragma once

class QScrollBar;

namespace corvix {

// The editor's scroll bars run from 0 at their start to max at their far end, also when
// max is negative (a canvas larger than the sheet); a QScrollBar needs min <= max, so a
// negative range is shown inverted and the values stay as they are.
void setClassicRange(QScrollBar& bar, int max);

} // namespace corvix
