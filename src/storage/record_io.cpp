#include "storage/record_io.h"

namespace corvix {

void writeBlockRecord(ByteWriter& write, const Block& block)
{
    write(kindCode(block.kind));
    write(block.x);
    write(block.y);
    write(block.width);
    write(block.height);
    write(uint32_t(block.text.size()), 2);
    write(block.text);
    write(block.portDy);
    write(block.portDx);
    write(block.spare);
}

bool readBlockRecord(ByteReader& reader, Block& block, std::string& reason)
{
    int32_t kind = 0;
    reader(kind);
    block.kind = kindFromCode(kind);
    reader(block.x);
    reader(block.y);
    reader(block.width);
    reader(block.height);
    const auto length = int16_t(uint16_t(reader.unsignedValue(2)));
    if (!reader.ok()) {
        reason = "truncated block record";
        return false;
    }
    if (length < 0) {
        reason = "text length out of range";
        return false;
    }
    reader.text(block.text, size_t(length));
    if (!reader.ok()) {
        reason = "text runs past the end";
        return false;
    }
    reader(block.portDy);
    reader(block.portDx);
    reader(block.spare);
    if (!reader.ok()) {
        reason = "truncated block record";
        return false;
    }
    return true;
}

void writeLinkRecord(ByteWriter& write, const Link& link)
{
    write(link.source);
    write(link.target);
}

bool readLinkRecord(ByteReader& reader, Link& link)
{
    reader(link.source);
    reader(link.target);
    return reader.ok();
}

} // namespace corvix
