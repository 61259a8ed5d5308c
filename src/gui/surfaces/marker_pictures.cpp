#include "surfaces/marker_pictures.h"

#include "render/marker_shapes.h"

#include <QPainter>
#include <QPolygonF>

#include <array>
#include <initializer_list>
#include <map>
#include <span>
#include <string_view>
#include <utility>

namespace corvix {

namespace {

// Pictures are drawn pixel by pixel from these rows: '.' is transparent, every other
// character takes its colour from the picture's palette.
using Palette = std::initializer_list<std::pair<char, QRgb>>;

constexpr QRgb rgb(Color c)
{
    return qRgb(c.r, c.g, c.b);
}

constexpr QRgb kNavy = rgb(marker_colors::Navy);
constexpr QRgb kBlue = rgb(marker_colors::Blue);
constexpr QRgb kDarkRed = rgb(marker_colors::DarkRed);
constexpr QRgb kBlack = rgb(marker_colors::Black);

// The arrow on an action's stubs, centred on column 6 where the stub runs.
constexpr const char* kArrowDown[] = {
    ".KKKKKKKKKKK",
    ".KKKKKKKKKKK",
    "............",
    ".KKKKKKKKKKK",
    "..KBBBBBBBK.",
    "..KBBBBBBBK.",
    "...KBBBBBK..",
    "...KBBBBBK..",
    "....KBBBK...",
    "....KBBBK...",
    ".....KBK....",
    "......K.....",
};

// BlockKind::Decision labels: a letter above the side stub (row 8) and an arrowhead on it, pointing
// out of the block; the left labels mirror the arrowhead, not the letter.
constexpr const char* kArrowRight[] = {
    "................",
    "................",
    "................",
    "................",
    "........B.......",
    "........BB......",
    "........BBBB....",
    "........BBBBBB..",
    "........BBBBBBBB",
    "........BBBBBB..",
    "........BBBB....",
    "........BB......",
    "........B.......",
    "................",
    "................",
    "................",
};

constexpr const char* kLetterY[] = {"L...L", "L...L", ".L.L.", "..L..", "..L..", "..L..", "..L.."};
constexpr const char* kLetterN[] = {"L...L", "LL..L", "L.L.L", "L..LL", "L...L", "L...L", "L...L"};

// The goto markers: a shield pointing down, with the line of the link through it.
constexpr const char* kShield[] = {
    "........K.......",
    "........K.......",
    "..KKKKKKKKKKKKK.",
    "..KFFFFFKFFFFFK.",
    "..KFFFFFKFFFFFK.",
    "..KFFFFFKFFFFFK.",
    "..KFFFFFKFFFFFK.",
    "..KFFFFFKFFFFFK.",
    "...KFFFFKFFFFK..",
    "....KFFFKFFFK...",
    ".....KFFKFFK....",
    "......KFKFK.....",
    ".......KKK......",
    "........K.......",
    "........K.......",
    "........K.......",
};

// Paints the rows with their top-left corner at (left, top), mirrored left to right if asked.
void paintRows(QImage& image, std::span<const char* const> rows, int left, int top, Palette palette,
               bool mirrored = false)
{
    for (int y = 0; y < int(rows.size()); ++y) {
        const std::string_view row = rows[size_t(y)];
        const int width = int(row.size());
        for (int x = 0; x < width; ++x) {
            const char c = row[size_t(mirrored ? width - 1 - x : x)];
            for (const auto& [key, rgb] : palette) {
                if (key == c)
                    image.setPixel(left + x, top + y, rgb);
            }
        }
    }
}

QImage transparentSquare(Marker marker)
{
    QImage image(markerWidth(marker), markerWidth(marker), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage arrowDown()
{
    QImage image = transparentSquare(Marker::SetaBaixo);
    paintRows(image, kArrowDown, 0, 0, {{'K', kNavy}, {'B', kBlue}});
    return image;
}

QImage label(Marker marker, std::span<const char* const> letter, QRgb letterColor, bool pointingRight)
{
    QImage image = transparentSquare(marker);
    paintRows(image, kArrowRight, 0, 0, {{'B', kBlue}}, !pointingRight);
    paintRows(image, letter, pointingRight ? 1 : 10, 0, {{'L', letterColor}});
    return image;
}

QImage shield(Marker marker)
{
    QImage image = transparentSquare(marker);
    paintRows(image, kShield, 0, 0, {{'K', kBlack}, {'F', rgb(shieldFill(marker))}});
    return image;
}

std::array<QImage, 9> buildPictures()
{
    std::array<QImage, 9> p;
    p[size_t(Marker::SetaBaixo)] = arrowDown();
    p[size_t(Marker::SimDir)] = label(Marker::SimDir, kLetterY, kDarkRed, true);
    p[size_t(Marker::SimEsq)] = label(Marker::SimEsq, kLetterY, kDarkRed, false);
    p[size_t(Marker::Naodir)] = label(Marker::Naodir, kLetterN, kNavy, true);
    p[size_t(Marker::Naoesq)] = label(Marker::Naoesq, kLetterN, kNavy, false);
    for (Marker m : {Marker::Saida, Marker::Entrada, Marker::SaidaClara, Marker::EntradaClara})
        p[size_t(m)] = shield(m);
    return p;
}

} // namespace

const QImage& markerPicture(Marker marker)
{
    static const std::array<QImage, 9> pictures = buildPictures();
    return pictures[size_t(marker)];
}

void paintMarkerShapes(QPainter& painter, Marker marker, const QRectF& where)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(where.topLeft());
    painter.scale(where.width() / markerWidth(marker), where.height() / markerWidth(marker));
    for (const MarkerShape& shape : markerShapes(marker)) {
        QPolygonF polygon;
        for (const ShapePoint& p : shape.points)
            polygon << QPointF(p.x, p.y);
        const QColor color(shape.color.r, shape.color.g, shape.color.b);
        if (shape.kind == MarkerShape::Kind::Fill) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawPolygon(polygon);
            continue;
        }
        painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        if (shape.closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
    painter.restore();
}

QImage markerShapesPicture(Marker marker, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintMarkerShapes(painter, marker, QRectF(0, 0, side, side));
    return image;
}

std::vector<MarkerColorRuns> markerRuns(Marker marker)
{
    const QImage& picture = markerPicture(marker);
    std::map<QRgb, std::vector<SurfaceRect>> byColor;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width();) {
            const QRgb pixel = picture.pixel(x, y);
            int end = x + 1;
            while (end < picture.width() && picture.pixel(end, y) == pixel)
                ++end;
            if (qAlpha(pixel) != 0)
                byColor[pixel].push_back({x, y, end - 1, y});
            x = end;
        }
    }
    std::vector<MarkerColorRuns> runs;
    for (auto& [rgb, rects] : byColor)
        runs.push_back({Color{uint8_t(qRed(rgb)), uint8_t(qGreen(rgb)), uint8_t(qBlue(rgb))}, std::move(rects)});
    return runs;
}

} // namespace corvix
