#include "view/print_layout.h"

#include <algorithm>
#include <cmath>

namespace corvix {

PreviewLayout previewLayout(int32_t pageWidth, int32_t pageHeight, int32_t pictureWidth, double editorFontPointSize)
{
    PreviewLayout layout;
    if (pictureWidth <= 0 || pageWidth <= 0)
        return layout;
    layout.scale = float(pageWidth) / float(pictureWidth);
    layout.pictureHeight = static_cast<int32_t>(std::lrint(float(pageHeight) / layout.scale));
    layout.fontPointSize = editorFontPointSize / double(layout.scale);
    return layout;
}

LogoRect splashLogoRect(int tick, int32_t centreX, int32_t centreY, int32_t logoWidth, int32_t logoHeight)
{
    if (tick <= 0)
        return {centreX - 1, centreY - 1, 2, 2};
    const int step = std::min(tick, kSplashGrowTicks);
    const auto w = static_cast<int32_t>(std::lrint(double(logoWidth) * step / kSplashGrowTicks));
    const auto h = static_cast<int32_t>(std::lrint(double(logoHeight) * step / kSplashGrowTicks));
    return {centreX - w / 2, centreY - h / 2, w, h};
}

} // namespace corvix
