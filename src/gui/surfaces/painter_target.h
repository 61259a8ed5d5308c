#pragma once

#include "render/render_target.h"
#include "render/text_lines.h"
#include "surfaces/pixel_canvas.h"
#include "surfaces/qt_text_measurer.h"

#include <QColor>
#include <QPainter>
#include <QSize>

#include <array>
#include <memory>
#include <optional>

namespace corvix {

class GlyphAtlas;

// The Qt drawing surface on pixels: a QPainter on a QImage (canvas, page image,
// preview). Surface units cover `extent`, stretched over the whole image; on an image of
// that very size one unit is one pixel. Lines are one pixel wide and not antialiased; a
// segment paints its start and not its end. A magnified surface (the zoomed canvas) lays
// its units over its pixels as Magnify says: enlarged, a line covers its units' whole
// pixels, so it is as many pixels thick as a unit is wide, and text is drawn at the
// enlarged size. On an image in Format_RGB32 or Format_ARGB32_Premultiplied at one unit a
// pixel, plain lines, boxes, pictures and text are written straight into the pixels, many
// times faster. Vector formats have BatchingTarget.
class PainterTarget final : public RenderTarget {
public:
    // Paints on image until end() or destruction. An empty extent means the image's size.
    PainterTarget(QImage& image, QColor background, QSize extent = {});
    ~PainterTarget() override;

    PainterTarget(const PainterTarget&) = delete;
    PainterTarget& operator=(const PainterTarget&) = delete;

    // False when the image could not be painted on (an empty image).
    bool isActive() const { return painter_.isActive(); }
    // Ends painting; false when the painter reports a failure.
    bool end();

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Cls() override;
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override;
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override;
    void ForeColor(Color color) override;
    void CurrentX(int32_t x) override;
    void CurrentY(int32_t y) override;
    void Print(std::string_view text) override;
    void PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawStyle(LineStyle style) override;
    void FontTransparent(bool transparent) override;
    void XorMode(bool on) override;
    void Magnify(const Magnification& magnification) override;
    std::optional<SurfaceRect> DrawableArea() const override;

private:
    // The pen for lines of this colour in the current style; usePen sets it only when it changed.
    void usePen(QColor color);
    void setPen(QColor color);
    void drawSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QColor color);
    // The image's pixels, while plain drawing (no exclusive-or, not magnified) may go
    // straight to them.
    PixelCanvas* plainPixels();
    // The same while shrunk: lines, boxes and markers then go to the pixels at the device
    // pixel holding each unit's corner.
    PixelCanvas* shrunkPixels();
    // One unit is one device pixel: pictures are copied as they are.
    bool unitIsPixel() const;
    int32_t deviceX(int32_t x) const;
    int32_t deviceY(int32_t y) const;
    // Lines one device pixel wide from unit to unit, rather than covering whole units.
    bool hairlines() const { return magnification_.scale <= 1; }
    const GlyphAtlas& glyphs();

    QPainter painter_;
    QtTextMeasurer measurer_;
    // The sheet font's glyphs for plain drawing, made when the first text needs them.
    std::unique_ptr<GlyphAtlas> glyphs_;
    QSize extent_;
    QColor background_;
    QColor textColor_ = Qt::black;
    LineStyle style_ = LineStyle::Solid;
    int32_t textX_ = 0;
    int32_t textY_ = 0;
    bool fontTransparent_ = true;
    bool xor_ = false;
    TextLines printLines_;
    Magnification magnification_;
    // The markers and the glyphs at the shrunk size, made when the scale changes.
    std::array<QImage, kMarkerCount> shrunkMarkers_;
    std::unique_ptr<GlyphAtlas> shrunkGlyphs_;
    // A 32-bit image at one unit a pixel.
    std::optional<PixelCanvas> pixels_;
};

} // namespace corvix
