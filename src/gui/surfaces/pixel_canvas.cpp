#include "surfaces/pixel_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace corvix {

namespace {

int sign(int64_t v)
{
    return (v > 0) - (v < 0);
}

// Qt's raster engine's own pixel arithmetic, so that both paths give the same pixels:
// every channel of x times a / 255, two channels at a time.
uint byteMul(uint x, uint a)
{
    uint t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

// x * a / 255 + y * b / 255 for every channel.
uint interpolate255(uint x, uint a, uint y, uint b)
{
    uint t = (x & 0xff00ff) * a + (y & 0xff00ff) * b;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a + ((y >> 8) & 0xff00ff) * b;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

} // namespace

PixelCanvas::PixelCanvas(uchar* bits, qsizetype stride, int width, int height)
    : bits_(bits)
    , stride_(stride)
    , width_(width)
    , height_(height)
{
}

std::optional<PixelCanvas> PixelCanvas::over(QImage& image)
{
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    return PixelCanvas(image.bits(), image.bytesPerLine(), image.width(), image.height());
}

void PixelCanvas::span(int64_t x1, int64_t x2, int64_t y, QRgb color)
{
    if (y < 0 || y >= height_)
        return;
    const int64_t left = std::max<int64_t>(std::min(x1, x2), 0);
    const int64_t right = std::min<int64_t>(std::max(x1, x2), width_ - 1);
    if (left <= right)
        std::fill(row(y) + left, row(y) + right + 1, color);
}

void PixelCanvas::column(int64_t x, int64_t y1, int64_t y2, QRgb color)
{
    if (x < 0 || x >= width_)
        return;
    const int64_t top = std::max<int64_t>(std::min(y1, y2), 0);
    const int64_t bottom = std::min<int64_t>(std::max(y1, y2), height_ - 1);
    for (int64_t y = top; y <= bottom; ++y)
        row(y)[x] = color;
}

bool PixelCanvas::segment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb color)
{
    const int64_t dx = int64_t(x2) - x1;
    const int64_t dy = int64_t(y2) - y1;
    if (dy == 0) {
        if (dx != 0)
            span(x1, int64_t(x2) - sign(dx), y1, color);
        return true;
    }
    if (dx == 0) {
        column(x1, y1, int64_t(y2) - sign(dy), color);
        return true;
    }
    const auto near = [](int32_t v) { return v >= -kSlantedLimit && v <= kSlantedLimit; };
    if (!near(x1) || !near(y1) || !near(x2) || !near(y2))
        return false;
    // Step i along the major axis lands on the minor coordinate nearest i * minor / major
    // (halves away from the start). Only the steps inside the image are visited.
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = alongX ? std::llabs(dx) : std::llabs(dy);
    const int64_t minor = alongX ? std::llabs(dy) : std::llabs(dx);
    const int64_t majorStart = alongX ? x1 : y1;
    const int64_t minorStart = alongX ? y1 : x1;
    const int majorStep = sign(alongX ? dx : dy);
    const int minorStep = sign(alongX ? dy : dx);
    const int64_t majorLimit = alongX ? width_ : height_;
    const int64_t minorLimit = alongX ? height_ : width_;

    int64_t first = 0;
    int64_t last = major - 1;
    if (majorStep > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (majorLimit - 1));
        last = std::min(last, majorStart);
    }
    for (int64_t i = first; i <= last; ++i) {
        const int64_t m = majorStart + i * majorStep;
        const int64_t n = minorStart + minorStep * ((2 * i * minor + major) / (2 * major));
        if (n < 0 || n >= minorLimit)
            continue;
        if (alongX)
            row(n)[m] = color;
        else
            row(m)[n] = color;
    }
    return true;
}

void PixelCanvas::box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb color)
{
    span(x1, x2, y1, color);
    span(x1, x2, y2, color);
    column(x1, y1, y2, color);
    column(x2, y1, y2, color);
}

template <typename Paint>
void PixelCanvas::overlay(int64_t x, int64_t y, int w, int h, Paint&& paint)
{
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t bottom = std::min<int64_t>(y + h, height_);
    const int first = int(std::max<int64_t>(-x, 0));
    const int end = int(std::min<int64_t>(width_ - x, w));
    if (first >= end)
        return;
    for (int64_t py = top; py < bottom; ++py)
        paint(row(py) + x, int(py - y), first, end);
}

void PixelCanvas::picture(const QImage& picture, int32_t x, int32_t y)
{
    const uchar* bits = picture.constBits();
    const qsizetype stride = picture.bytesPerLine();
    overlay(x, y, picture.width(), picture.height(), [bits, stride](QRgb* pixels, int row, int first, int end) {
        const QRgb* source = reinterpret_cast<const QRgb*>(bits + row * stride);
        for (int column = first; column < end; ++column) {
            const QRgb s = source[column];
            const uint alpha = qAlpha(s);
            if (alpha == 255)
                pixels[column] = s;
            else if (alpha != 0)
                pixels[column] = s + byteMul(pixels[column], 255 - alpha);
        }
    });
}

void PixelCanvas::mask(const QImage& mask, int64_t x, int64_t y, QRgb color)
{
    const uchar* bits = mask.constBits();
    const qsizetype stride = mask.bytesPerLine();
    overlay(x, y, mask.width(), mask.height(), [bits, stride, color](QRgb* pixels, int row, int first, int end) {
        const uchar* coverage = bits + row * stride;
        for (int column = first; column < end; ++column) {
            const uint c = coverage[column];
            if (c == 255)
                pixels[column] = color;
            else if (c != 0)
                pixels[column] = interpolate255(color, c, pixels[column], 255 - c);
        }
    });
}

} // namespace corvix
