#include "view/zoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvix {

namespace {

// Every zoom keeps these far from the int32_t range; the bounds keep the conversion defined.
int32_t roundToInt32(double v)
{
    constexpr double kLimit = 1e9;
    if (!std::isfinite(v))
        return 0;
    return static_cast<int32_t>(std::lrint(std::clamp(v, -kLimit, kLimit)));
}

} // namespace

double zoomOfLevel(size_t index)
{
    return kZoomLevels[index] / 100.0;
}

std::optional<size_t> levelOfZoom(double zoom)
{
    for (size_t i = 0; i < kZoomLevels.size(); ++i) {
        if (zoomOfLevel(i) == zoom)
            return i;
    }
    return std::nullopt;
}

double zoomInFrom(double zoom)
{
    for (size_t i = 0; i < kZoomLevels.size(); ++i) {
        if (zoomOfLevel(i) > zoom)
            return zoomOfLevel(i);
    }
    return kLargestZoom;
}

double zoomOutFrom(double zoom)
{
    for (size_t i = kZoomLevels.size(); i-- > 0;) {
        if (zoomOfLevel(i) < zoom)
            return zoomOfLevel(i);
    }
    return zoomOfLevel(0);
}

double fitPageZoom(int32_t canvasWidth, int32_t canvasHeight, const Paper& paper)
{
    if (paper.pageWidth <= 0 || paper.pageHeight <= 0)
        return kActualSize;
    const double fit = std::min(double(canvasWidth) / paper.pageWidth, double(canvasHeight) / paper.pageHeight);
    return std::clamp(fit, kSmallestZoom, kLargestZoom);
}

int32_t zoomedLength(int32_t units, double zoom)
{
    return roundToInt32(units * zoom);
}

int32_t canvasToSheet(int16_t scrollValue, float canvas, double zoom)
{
    const float sum = float(scrollValue) + canvas;
    return roundToInt32(double(sum) / zoom);
}

ZoomedOrigin zoomedOrigin(int32_t scrollValue, double zoom)
{
    const int32_t unit = roundToInt32(std::floor(scrollValue / zoom));
    return {unit, unit * zoom - scrollValue};
}

int32_t scrollValueShowing(double sheet, double canvas, double zoom)
{
    return roundToInt32(sheet * zoom - canvas);
}

} // namespace corvix
