#include "window/scroll_bars.h"

#include "view/viewport.h"

#include <QScrollBar>

namespace corvix {

void mirrorScrollBar(QScrollBar& shown, const ScrollBar& bar)
{
    shown.setRange(bar.minimum, bar.maximum);
    shown.setValue(bar.value);
    shown.setEnabled(bar.maximum > bar.minimum);
}

} // namespace corvix
