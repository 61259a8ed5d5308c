#include "support/diagram_samples.h"

#include "model/ole_date.h"
#include "model/program_info.h"
#include "storage/diagram_checksum.h"

#include <cmath>
#include <functional>
#include <limits>

namespace corvix {

namespace {

Block block(BlockKind kind, int32_t x, int32_t y, std::string text)
{
    Block b;
    b.kind = kind;
    b.x = x;
    b.y = y;
    b.width = int32_t(text.size()) * 8;
    b.height = 14;
    b.text = std::move(text);
    b.portDy = -27;
    b.portDx = isDecisionKind(kind) ? b.width / 2 + 31 : 0;
    return b;
}

template <size_t N>
void fillText(std::array<uint8_t, N>& field, std::string_view text)
{
    std::copy_n(text.begin(), std::min(text.size(), N), field.begin());
}

// Offsets of the header fields the damage cases touch.
constexpr size_t kLinkCountOffset = 303;
constexpr size_t kBlockCountOffset = 307;

std::vector<uint8_t> withHeader(std::vector<uint8_t> bytes, const std::function<void(DiagramHeader&)>& change,
                                bool resealed)
{
    DiagramHeader h = decodeHeader(bytes);
    change(h);
    if (resealed)
        storeCheckWords(h, *calcula_verificacao(h));
    const auto header = encodeHeader(h);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

} // namespace

DiagramData sampleDiagram()
{
    DiagramData d;
    writeSignature(d.header);
    for (size_t i = 0; i < d.header.spareBytes.size(); ++i)
        d.header.spareBytes[i] = uint8_t(i * 7);
    for (size_t i = 0; i < d.header.spareLongs.size(); ++i)
        d.header.spareLongs[i] = int32_t(i) * -1000003;
    fillText(d.header.spareText1, "first spare text");
    fillText(d.header.spareText2, "second spare text");
    fillText(d.header.spareText3, "third spare text, longer than the others");
    d.header.scrollX = 120;
    d.header.scrollY = 340;
    d.header.creatorTag = 0x12345678;
    d.header.saverTag = -559038737;
    d.header.createdAt = oleDate(2024, 2, 29, 13, 45, 30);
    d.header.savedAt = oleDate(2024, 3, 1, 9, 0, 0);
    d.header.spareDate1 = oleDate(1899, 12, 30);
    d.header.spareDate3 = -700.25;  // before the epoch
    d.header.paperType = 1;
    d.header.spareLong = 77;

    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += char(c);

    d.blocks = {
        block(BlockKind::Action, 400, 80, "Start"),
        block(BlockKind::Decision, 400, 160, "Is it done?"),
        block(BlockKind::DecisionSwapped, 400, 240, "Again?"),
        block(BlockKind::GotoJump, 600, 160, "A"),
        block(BlockKind::GotoTarget, 200, 160, "A"),
        block(BlockKind::Explanation, 800, 80, "two lines\r\nof explanation"),
        block(kindFromCode(42), 800, 400, "unknown kind"),
        block(BlockKind::Action, 400, 480, everyByte),
        block(BlockKind::Action, 400, 560, ""),
    };
    d.blocks[0].spare = -5;
    d.blocks[5].portDx = 99;  // explanations keep whatever they held
    d.links = {
        {connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)},
        {connectionCode(1, Port::Right), connectionCode(3, Port::Top)},
        {connectionCode(1, Port::Left), connectionCode(2, Port::Top)},
        {connectionCode(4, Port::Bottom), connectionCode(7, Port::Top)},
        {connectionCode(2, 7), connectionCode(8, 200)},  // ports above 3 are kept
    };
    return d;
}

DiagramData emptyDiagram()
{
    DiagramData d;
    writeSignature(d.header);
    d.header.createdAt = oleDate(2025, 1, 2, 3, 4, 5);
    d.header.savedAt = oleDate(2025, 1, 2, 3, 4, 6);
    return d;
}

std::vector<uint8_t> encodeSample(DiagramData data)
{
    return *encodeDiagram(data.header, data.blocks, data.links);
}

size_t expectedFileSize(const DiagramData& data)
{
    size_t size = 751 + 8 * data.links.size() + 4;
    for (const Block& b : data.blocks)
        size += 34 + b.text.size();
    return size;
}

int32_t longAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= uint32_t(bytes.at(offset + i)) << (8 * i);
    return int32_t(v);
}

void putLong(std::vector<uint8_t>& bytes, size_t offset, int32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = uint8_t(uint32_t(value) >> (8 * i));
}

std::vector<SampleFile> validFiles()
{
    DiagramData unlinked = sampleDiagram();
    unlinked.links.clear();
    DiagramData letter = emptyDiagram();
    letter.header.paperType = 1;
    letter.header.scrollX = 400;
    letter.header.scrollY = 900;
    return {
        {"sample", encodeSample(sampleDiagram()), ReadStatus::Ok, ""},
        {"empty", encodeSample(emptyDiagram()), ReadStatus::Ok, ""},
        {"unlinked", encodeSample(unlinked), ReadStatus::Ok, ""},
        {"letter-scrolled", encodeSample(letter), ReadStatus::Ok, ""},
    };
}

std::vector<SampleFile> damagedFiles()
{
    const DiagramData sample = sampleDiagram();
    const std::vector<uint8_t> good = encodeSample(sample);
    // Where the records start: blocks follow the header, links follow the blocks.
    auto blockOffset = [&](size_t index) {
        size_t offset = 751;
        for (size_t i = 0; i < index; ++i)
            offset += 34 + sample.blocks[i].text.size();
        return offset;
    };
    const size_t kLengthWord = 20;
    const size_t lastBlock = sample.blocks.size() - 1;
    const size_t firstLink = blockOffset(sample.blocks.size());
    const size_t everyByteBlock = 7;

    auto changed = [&](const std::function<void(std::vector<uint8_t>&)>& change) {
        std::vector<uint8_t> bytes = good;
        change(bytes);
        return bytes;
    };
    auto header = [&](const std::function<void(DiagramHeader&)>& change, bool resealed = true) {
        return withHeader(good, change, resealed);
    };
    const auto Damaged = ReadStatus::Damaged;
    const auto Inconsistent = ReadStatus::Inconsistent;

    return {
        {"zero-header", std::vector<uint8_t>(751, 0), Inconsistent, "check words do not match"},
        {"empty-file", {}, Inconsistent, "check words do not match"},
        {"count-changed-not-resealed", changed([&](auto& b) { putLong(b, kBlockCountOffset, longAt(b, kBlockCountOffset) - 1); }),
         Inconsistent, "check words do not match"},
        {"byte-appended", changed([](auto& b) { b.push_back(0); }), Damaged, "length trailer mismatch"},
        {"trailer-missing", changed([](auto& b) { b.resize(b.size() - 4); }), Damaged, "missing length trailer"},
        {"truncated-in-links", changed([](auto& b) { b.resize(b.size() - 10); }), Damaged, "truncated link record"},
        {"truncated-in-blocks", changed([&](auto& b) { b.resize(blockOffset(everyByteBlock) + 22 + 100); }), Damaged, "text runs past the end"},
        {"truncated-header", std::vector<uint8_t>(good.begin(), good.begin() + 500), Inconsistent, "check words do not match"},
        {"truncated-in-length-word", changed([&](auto& b) { b.resize(blockOffset(lastBlock) + kLengthWord + 1); }), Damaged,
         "truncated block record"},
        {"header-only", std::vector<uint8_t>(good.begin(), good.begin() + 751), Damaged, "truncated block record"},
        {"huge-block-count", header([](auto& h) { h.blockCount = 1000000; }), Damaged, "block count out of range"},
        {"block-count-above-capacity", header([](auto& h) { h.blockCount = 10001; }), Damaged, "block count out of range"},
        {"negative-block-count", header([](auto& h) { h.blockCount = -1; }), Damaged, "block count out of range"},
        {"negative-link-count", header([](auto& h) { h.linkCount = -3; }), Damaged, "link count out of range"},
        {"link-count-above-capacity", header([](auto& h) { h.linkCount = 15001; }), Damaged, "link count out of range"},
        {"count-product-overflows", header([](auto& h) { h.blockCount = std::numeric_limits<int32_t>::max(); }, false),
         Damaged, "check word overflow"},
        {"text-runs-past-end", changed([&](auto& b) {
             b[blockOffset(lastBlock) + kLengthWord] = 0xFF;
             b[blockOffset(lastBlock) + kLengthWord + 1] = 0x7F;
         }), Damaged,
         "text runs past the end"},
        {"negative-text-length", changed([&](auto& b) { b[blockOffset(0) + kLengthWord + 1] = 0x80; }), Damaged, "text length out of range"},
        {"link-end-past-blocks", changed([&](auto& b) { putLong(b, firstLink + 4, connectionCode(int32_t(sample.blocks.size()), 0)); }),
         Damaged, "link end outside the blocks"},
        {"link-end-negative", changed([&](auto& b) { putLong(b, firstLink, connectionCode(-1, 0)); }), Damaged,
         "link end outside the blocks"},
        {"date-nan", header([](auto& h) { h.createdAt = std::nan(""); }, false), Damaged, "date out of range"},
        {"date-infinite", header([](auto& h) { h.spareDate5 = -std::numeric_limits<double>::infinity(); }, false), Damaged,
         "date out of range"},
        {"date-huge", header([](auto& h) { h.savedAt = 3.0e9; }, false), Damaged, "date out of range"},
        {"spare-long-overflows", header([](auto& h) { h.spareLongs[1] = std::numeric_limits<int32_t>::max(); }, false),
         Damaged, "check word overflow"},
    };
}

} // namespace corvix
