#pragma once

#include <QImage>

#include <cstdint>
#include <optional>

namespace corvix {

// Writes straight into the pixels of a 32-bit image at one surface unit a pixel: the
// fast path of PainterTarget for solid segments, boxes and pictures at their own size,
// where a QPainter call costs more than the pixels it paints. Everything is clipped to
// the image.
class PixelCanvas {
public:
    // Steps along a slanted segment are exact in 64 bits up to here.
    static constexpr int32_t kSlantedLimit = 1 << 24;

    // For an image in Format_RGB32 or Format_ARGB32_Premultiplied; none for any other.
    // The image must stay alive and keep its pixels while the canvas is used.
    static std::optional<PixelCanvas> over(QImage& image);

    // Paints (x1, y1) and every pixel on the way to (x2, y2), not (x2, y2) itself. False,
    // painting nothing, for a slanted segment with an end beyond kSlantedLimit.
    bool segment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb color);
    // The closed outline through both corners.
    void box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QRgb color);
    // picture (premultiplied alpha) over the pixels, top-left at (x, y).
    void picture(const QImage& picture, int32_t x, int32_t y);
    // color laid on with the coverage of mask (Format_Alpha8), top-left at (x, y).
    void mask(const QImage& mask, int64_t x, int64_t y, QRgb color);

    int width() const { return width_; }

private:
    PixelCanvas(uchar* bits, qsizetype stride, int width, int height);

    QRgb* row(int64_t y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
    // Calls paint(pixels, source row, first column, end column) for each row of a w x h
    // source placed at (x, y), with the columns of it that lie inside the image; pixels
    // is where the source's column 0 lands on that row.
    template <typename Paint>
    void overlay(int64_t x, int64_t y, int w, int h, Paint&& paint);
    void span(int64_t x1, int64_t x2, int64_t y, QRgb color);    // x1..x2 inclusive
    void column(int64_t x, int64_t y1, int64_t y2, QRgb color);  // y1..y2 inclusive

    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

} // namespace corvix
