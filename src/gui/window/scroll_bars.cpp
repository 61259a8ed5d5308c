#include "window/scroll_bars.h"

#include <QScrollBar>

#include <algorithm>

namespace corvix {

void setClassicRange(QScrollBar& bar, int max)
{
    const bool inverted = max < 0;
    bar.setInvertedAppearance(inverted);
    bar.setRange(std::min(0, max), std::max(0, max));
}

} // namespace corvix
