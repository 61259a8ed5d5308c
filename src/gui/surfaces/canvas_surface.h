#pragma once

#include "render/render_target.h"
#include "surfaces/painter_target.h"

#include <QImage>

#include <memory>

namespace corvix {

// The canvas's persistent image and the surface the editor repaints it through. The
// editor keeps one RenderTarget for its whole life while the image follows the window's
// size and screen, so this surface stays and the painter behind it is renewed with each
// new image. The image has the screen's device pixels, ratio times the canvas's size.
class CanvasSurface final : public RenderTarget {
public:
    CanvasSurface();
    ~CanvasSurface() override;

    const QImage& image() const { return image_; }
    double deviceRatio() const { return ratio_; }
    // A new blank image for a canvas of size pixels on a screen of this device pixel
    // ratio; the caller repaints next.
    void resize(QSize size, double ratio);

    double TextWidth(std::string_view text) const override { return painter_->TextWidth(text); }
    double TextHeight(std::string_view text) const override { return painter_->TextHeight(text); }
    void Cls() override { painter_->Cls(); }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override { painter_->Line(x1, y1, x2, y2, color); }
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override { painter_->Box(x1, y1, x2, y2, color); }
    void ForeColor(Color color) override { painter_->ForeColor(color); }
    void CurrentX(int32_t x) override { painter_->CurrentX(x); }
    void CurrentY(int32_t y) override { painter_->CurrentY(y); }
    void Print(std::string_view text) override { painter_->Print(text); }
    void PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        painter_->PaintPicture(marker, x, y, w, h);
    }
    void DrawStyle(LineStyle style) override { painter_->DrawStyle(style); }
    void FontTransparent(bool transparent) override { painter_->FontTransparent(transparent); }
    void XorMode(bool on) override { painter_->XorMode(on); }
    void Magnify(const Magnification& magnification) override;
    std::optional<SurfaceRect> DrawableArea() const override { return painter_->DrawableArea(); }

private:
    QImage image_;
    double ratio_ = 1;
    Magnification magnification_;
    std::unique_ptr<PainterTarget> painter_;
};

} // namespace corvix
