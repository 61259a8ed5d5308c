#pragma once

#include <cstdint>

namespace corvix {

// The preview picture keeps its width and takes the sheet's proportions; its font
// shrinks with the drawing.
struct PreviewLayout {
    float scale = 1;          // k: sheet units per preview pixel
    int32_t pictureHeight = 0;
    double fontPointSize = 0;
};

PreviewLayout previewLayout(int32_t pageWidth, int32_t pageHeight, int32_t pictureWidth, double editorFontPointSize);

// The splash logo's rectangle at a timer tick: it grows from the centre over ticks
// 1..20 and then rests at full size.
struct LogoRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

inline constexpr int kSplashGrowTicks = 20;
inline constexpr int kSplashLastTick = 40;

LogoRect splashLogoRect(int tick, int32_t centreX, int32_t centreY, int32_t logoWidth, int32_t logoHeight);

} // namespace corvix
