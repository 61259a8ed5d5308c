#include "cli/cli.h"
#include "cli/qt_commands.h"

#include "printing/page_export.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <optional>

namespace corvix::cli {

namespace {

std::optional<int> thumbnailSize(const std::string& text)
{
    int size = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, size);
    if (error != std::errc() || rest != end || size < 1 || size > kMaxThumbnailSize)
        return std::nullopt;
    return size;
}

} // namespace

int runThumbnail(const std::string& sizeText, const std::string& inPath, const std::string& outPath)
{
    const std::optional<int> size = thumbnailSize(sizeText);
    if (!size) {
        std::fprintf(stderr, "corvix: thumbnail size must be a whole number from 1 to %d: %s\n", kMaxThumbnailSize,
                     sizeText.c_str());
        return 2;
    }
    EditorState state;
    if (readPageDiagram(inPath, state, InputLayout::AsDrawn) != 0)
        return 1;
    const std::unique_ptr<QGuiApplication> app = headlessApplication();
    if (!exportThumbnail(state, QString::fromStdString(outPath), *size)) {
        std::fprintf(stderr, "corvix: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}

} // namespace corvix::cli
