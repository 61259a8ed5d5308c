#pragma once
// Zoom: how many canvas pixels one sheet unit takes on the canvas (1 shows the sheet at
// one unit a pixel). Only the canvas is zoomed; the drawing, its file, printing and export
// stay in sheet units.

#include "model/paper.h"

#include <array>
#include <cstdint>
#include <optional>

namespace corvix {

// The levels the View menu offers and Zoom In and Out step through, in percent.
inline constexpr std::array<int32_t, 9> kZoomLevels = {25, 50, 75, 100, 125, 150, 200, 300, 400};
inline constexpr double kActualSize = 1.0;
// Fit Page on a tiny window stops here; the largest level bounds every zoom, so that the
// zoomed sheet stays within the scroll bars' 16 bits.
inline constexpr double kSmallestZoom = 0.05;
inline constexpr double kLargestZoom = kZoomLevels.back() / 100.0;

double zoomOfLevel(size_t index);
// The level item that shows zoom; none for a zoom between the levels (Fit Page).
std::optional<size_t> levelOfZoom(double zoom);
// The first level above zoom, or below it; the end level when there is none further.
double zoomInFrom(double zoom);
double zoomOutFrom(double zoom);
// The largest zoom at which the whole page fits a canvas of this many pixels.
double fitPageZoom(int32_t canvasWidth, int32_t canvasHeight, const Paper& paper);

// A length in sheet units as canvas pixels, rounded half to even.
int32_t zoomedLength(int32_t units, double zoom);
// The sheet point under canvas coordinate `canvas` of a view scrolled to `scrollValue`
// canvas pixels: their sum in single precision, divided by the zoom, rounded half to even.
int32_t canvasToSheet(int16_t scrollValue, float canvas, double zoom);

// Where a view scrolled to `scrollValue` canvas pixels starts on the sheet: the sheet
// unit at the canvas's edge, and how far that unit's own edge lies outside the canvas,
// in canvas pixels (0 or less).
struct ZoomedOrigin {
    int32_t unit = 0;
    double shift = 0;
};
ZoomedOrigin zoomedOrigin(int32_t scrollValue, double zoom);

// The scroll value that shows sheet coordinate `sheet` (in units, not rounded) at canvas
// coordinate `canvas`.
int32_t scrollValueShowing(double sheet, double canvas, double zoom);

} // namespace corvix
