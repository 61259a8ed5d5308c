#include "storage/diagram_codec.h"

#include "model/editor_state.h"
#include "storage/diagram_checksum.h"
#include "storage/record_io.h"
#include "storage/safe_file.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace corvix {

namespace {

// The largest file a valid diagram can make: full tables of the longest texts.
constexpr size_t kMaxFileSize = size_t(kHeaderSize) + size_t(kBlockCapacity) * (kBlockRecordBaseSize + kMaxTextBytes)
                                + size_t(kLinkCapacity) * kLinkRecordSize + kTrailerSize;

// The header's fields in file order; offsets follow from the field widths.
template <typename Header, typename Visitor>
void visitHeaderFields(Header& h, Visitor&& visit)
{
    visit(h.signature);
    visit(h.spareBytes);
    visit(h.scrollX);
    visit(h.scrollY);
    visit(h.creatorTag);
    visit(h.check1);
    visit(h.spareLongs);
    visit(h.linkCount);
    visit(h.blockCount);
    visit(h.spareText1);
    visit(h.spareText2);
    visit(h.createdAt);
    visit(h.saverTag);
    visit(h.check2);
    visit(h.spareText3);
    visit(h.spareDate1);
    visit(h.spareDate2);
    visit(h.spareDate3);
    visit(h.spareDate4);
    visit(h.savedAt);
    visit(h.spareDate5);
    visit(h.paperType);
    visit(h.spareLong);
    visit(h.check3);
    visit(h.check4);
}

ReadResult rejected(ReadStatus status, std::string reason)
{
    ReadResult result;
    result.status = status;
    result.reason = std::move(reason);
    return result;
}

bool namesABlock(int32_t code, int32_t blockCount)
{
    const int32_t block = codeBlock(code);
    return block >= 0 && block < blockCount;
}

bool anyDateOutOfRange(const DiagramHeader& h)
{
    const double dates[] = {h.createdAt, h.spareDate1, h.spareDate2, h.spareDate3,
                            h.spareDate4, h.savedAt,   h.spareDate5};
    return std::any_of(std::begin(dates), std::end(dates), [](double d) { return !dayNumber(d); });
}

size_t encodedSize(std::span<const Block> blocks, size_t linkCount)
{
    size_t size = size_t(kHeaderSize) + linkCount * kLinkRecordSize + kTrailerSize;
    for (const Block& b : blocks)
        size += kBlockRecordBaseSize + b.text.size();
    return size;
}

} // namespace

DiagramHeader decodeHeader(std::span<const uint8_t> bytes)
{
    std::array<uint8_t, kHeaderSize> padded{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), padded.size()), padded.begin());
    DiagramHeader header;
    ByteReader reader(padded);
    visitHeaderFields(header, reader);
    return header;
}

std::array<uint8_t, kHeaderSize> encodeHeader(const DiagramHeader& header)
{
    std::vector<uint8_t> bytes;
    ByteWriter write(bytes);
    visitHeaderFields(header, write);
    assert(bytes.size() == size_t(kHeaderSize));
    std::array<uint8_t, kHeaderSize> out{};
    std::copy_n(bytes.begin(), out.size(), out.begin());
    return out;
}

ReadResult decodeDiagram(std::span<const uint8_t> bytes)
{
    DiagramData data;
    data.header = decodeHeader(bytes);
    const DiagramHeader& h = data.header;

    const auto words = calcula_verificacao(h);
    if (!words)
        return rejected(ReadStatus::Damaged, anyDateOutOfRange(h) ? "date out of range" : "check word overflow");
    if (*words != storedCheckWords(h))
        return rejected(ReadStatus::Inconsistent, "check words do not match");

    if (h.blockCount < 0 || h.blockCount > kBlockCapacity)
        return rejected(ReadStatus::Damaged, "block count out of range");
    if (h.linkCount < 0 || h.linkCount > kLinkCapacity)
        return rejected(ReadStatus::Damaged, "link count out of range");
    if (bytes.size() < size_t(kHeaderSize))
        return rejected(ReadStatus::Damaged, "truncated header");

    // Room is reserved for what the input can hold, not for what its counts claim.
    ByteReader reader(bytes.subspan(size_t(kHeaderSize)));
    data.blocks.reserve(std::min(size_t(h.blockCount), reader.remaining() / kBlockRecordBaseSize));
    for (int32_t i = 0; i < h.blockCount; ++i) {
        Block block;
        std::string reason;
        if (!readBlockRecord(reader, block, reason))
            return rejected(ReadStatus::Damaged, reason);
        data.blocks.push_back(std::move(block));
    }

    data.links.reserve(std::min(size_t(h.linkCount), reader.remaining() / kLinkRecordSize));
    for (int32_t i = 0; i < h.linkCount; ++i) {
        Link link;
        if (!readLinkRecord(reader, link))
            return rejected(ReadStatus::Damaged, "truncated link record");
        if (!namesABlock(link.source, h.blockCount) || !namesABlock(link.target, h.blockCount))
            return rejected(ReadStatus::Damaged, "link end outside the blocks");
        data.links.push_back(link);
    }

    int32_t trailer = 0;
    reader(trailer);
    if (!reader.ok())
        return rejected(ReadStatus::Damaged, "missing length trailer");
    if (int64_t(trailer) != int64_t(bytes.size()))
        return rejected(ReadStatus::Damaged, "length trailer mismatch");

    ReadResult result;
    result.status = ReadStatus::Ok;
    result.data = std::move(data);
    return result;
}

ReadResult readDiagramFile(const std::string& path)
{
    std::string failure;
    const auto bytes = readFileBytes(path, kMaxFileSize + 1, &failure);
    if (!bytes)
        return rejected(ReadStatus::Unreadable, failure);
    if (bytes->size() > kMaxFileSize)
        return rejected(ReadStatus::Damaged, "file too large");
    return decodeDiagram(*bytes);
}

std::optional<std::vector<uint8_t>> encodeDiagram(DiagramHeader& header, std::span<const Block> blocks,
                                                  std::span<const Link> links)
{
    header.blockCount = int32_t(blocks.size());
    header.linkCount = int32_t(links.size());
    const bool textsFit = std::all_of(blocks.begin(), blocks.end(),
                                      [](const Block& b) { return b.text.size() <= size_t(kMaxTextBytes); });
    const auto words = calcula_verificacao(header);
    if (!textsFit || !words)
        return std::nullopt;
    storeCheckWords(header, *words);

    std::vector<uint8_t> out;
    out.reserve(encodedSize(blocks, links.size()));
    const auto headerBytes = encodeHeader(header);
    out.assign(headerBytes.begin(), headerBytes.end());
    ByteWriter write(out);
    for (const Block& b : blocks)
        writeBlockRecord(write, b);
    for (const Link& link : links)
        writeLinkRecord(write, link);
    write(int32_t(out.size() + kTrailerSize));
    return out;
}

} // namespace corvix
