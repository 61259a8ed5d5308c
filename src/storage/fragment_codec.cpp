#include "storage/fragment_codec.h"

#include "model/editor_state.h"
#include "storage/diagram_codec.h"
#include "storage/record_io.h"

#include <algorithm>
#include <string>
#include <utility>

namespace corvix {

namespace {

bool namesAFragmentBlock(int32_t code, size_t blockCount)
{
    const int32_t block = codeBlock(code);
    return block >= 0 && size_t(block) < blockCount;
}

} // namespace

std::optional<std::vector<uint8_t>> encodeFragment(const DiagramFragment& fragment)
{
    const bool textsFit = std::all_of(fragment.blocks.begin(), fragment.blocks.end(),
                                      [](const Block& b) { return b.text.size() <= size_t(kMaxTextBytes); });
    if (!textsFit)
        return std::nullopt;

    std::vector<uint8_t> out;
    ByteWriter write(out);
    write(int32_t(fragment.blocks.size()));
    write(int32_t(fragment.links.size()));
    for (const Block& b : fragment.blocks)
        writeBlockRecord(write, b);
    for (const Link& link : fragment.links)
        writeLinkRecord(write, link);
    write(int32_t(out.size() + kTrailerSize));
    return out;
}

std::optional<DiagramFragment> decodeFragment(std::span<const uint8_t> bytes)
{
    ByteReader reader(bytes);
    int32_t blockCount = 0;
    int32_t linkCount = 0;
    reader(blockCount);
    reader(linkCount);
    if (!reader.ok() || blockCount < 1 || blockCount > kBlockCapacity || linkCount < 0 || linkCount > kLinkCapacity)
        return std::nullopt;

    DiagramFragment fragment;
    // Room for what the input can hold, not for what its counts claim.
    fragment.blocks.reserve(std::min(size_t(blockCount), reader.remaining() / kBlockRecordBaseSize));
    for (int32_t i = 0; i < blockCount; ++i) {
        Block block;
        std::string reason;
        if (!readBlockRecord(reader, block, reason))
            return std::nullopt;
        fragment.blocks.push_back(std::move(block));
    }
    fragment.links.reserve(std::min(size_t(linkCount), reader.remaining() / kLinkRecordSize));
    for (int32_t i = 0; i < linkCount; ++i) {
        Link link;
        if (!readLinkRecord(reader, link) || !namesAFragmentBlock(link.source, fragment.blocks.size())
            || !namesAFragmentBlock(link.target, fragment.blocks.size()))
            return std::nullopt;
        fragment.links.push_back(link);
    }

    int32_t trailer = 0;
    reader(trailer);
    if (!reader.ok() || int64_t(trailer) != int64_t(bytes.size()))
        return std::nullopt;
    return fragment;
}

} // namespace corvix
