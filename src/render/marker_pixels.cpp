#include "render/marker_pixels.h"

#include "render/marker_shapes.h"

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
using Palette = std::initializer_list<std::pair<char, Color>>;

constexpr Color kNavy = marker_colors::Navy;
constexpr Color kBlue = marker_colors::Blue;
constexpr Color kDarkRed = marker_colors::DarkRed;
constexpr Color kBlack = marker_colors::Black;

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
void paintRows(MarkerPixels& picture, std::span<const char* const> rows, int32_t left, int32_t top, Palette palette,
               bool mirrored = false)
{
    for (size_t y = 0; y < rows.size(); ++y) {
        const std::string_view row = rows[y];
        for (size_t x = 0; x < row.size(); ++x) {
            const char c = row[mirrored ? row.size() - 1 - x : x];
            for (const auto& [key, color] : palette) {
                if (key == c)
                    picture.pixels[(size_t(top) + y) * size_t(picture.side) + size_t(left) + x] = color;
            }
        }
    }
}

MarkerPixels transparentSquare(Marker marker)
{
    const int32_t side = markerWidth(marker);
    return {side, std::vector<std::optional<Color>>(size_t(side) * size_t(side))};
}

MarkerPixels arrowDown()
{
    MarkerPixels picture = transparentSquare(Marker::SetaBaixo);
    paintRows(picture, kArrowDown, 0, 0, {{'K', kNavy}, {'B', kBlue}});
    return picture;
}

MarkerPixels label(Marker marker, std::span<const char* const> letter, Color letterColor, bool pointingRight)
{
    MarkerPixels picture = transparentSquare(marker);
    paintRows(picture, kArrowRight, 0, 0, {{'B', kBlue}}, !pointingRight);
    paintRows(picture, letter, pointingRight ? 1 : 10, 0, {{'L', letterColor}});
    return picture;
}

MarkerPixels shield(Marker marker)
{
    MarkerPixels picture = transparentSquare(marker);
    paintRows(picture, kShield, 0, 0, {{'K', kBlack}, {'F', shieldFill(marker)}});
    return picture;
}

std::array<MarkerPixels, kMarkerCount> buildPictures()
{
    std::array<MarkerPixels, kMarkerCount> p;
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

const MarkerPixels& markerPixels(Marker marker)
{
    static const std::array<MarkerPixels, kMarkerCount> pictures = buildPictures();
    return pictures[size_t(marker)];
}

std::vector<MarkerColorRuns> markerRuns(Marker marker)
{
    const MarkerPixels& picture = markerPixels(marker);
    const auto key = [](Color c) { return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; };
    std::map<uint32_t, MarkerColorRuns> byColor;
    for (int32_t y = 0; y < picture.side; ++y) {
        for (int32_t x = 0; x < picture.side;) {
            const std::optional<Color>& pixel = picture.at(x, y);
            int32_t end = x + 1;
            while (end < picture.side && picture.at(end, y) == pixel)
                ++end;
            if (pixel) {
                MarkerColorRuns& colored = byColor[key(*pixel)];
                colored.color = *pixel;
                colored.runs.push_back({x, y, end - 1, y});
            }
            x = end;
        }
    }
    std::vector<MarkerColorRuns> runs;
    for (auto& [unused, colored] : byColor)
        runs.push_back(std::move(colored));
    return runs;
}

} // namespace corvix
