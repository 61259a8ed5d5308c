#include "storage/diagram_checksum.h"
#include "storage/diagram_codec.h"
#include "support/diagram_samples.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvix {
namespace {

double doubleAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i)
        bits |= uint64_t(bytes.at(offset + i)) << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(DiagramCodec, WriteThenReadGivesTheSameDiagram)
{
    for (const DiagramData& original : {sampleDiagram(), emptyDiagram()}) {
        DiagramHeader header = original.header;
        const auto bytes = encodeDiagram(header, original.blocks, original.links);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(bytes->size(), expectedFileSize(original));
        EXPECT_EQ(size_t(longAt(*bytes, bytes->size() - 4)), bytes->size());

        const ReadResult read = decodeDiagram(*bytes);
        ASSERT_EQ(read.status, ReadStatus::Ok) << read.reason;
        EXPECT_EQ(read.data.header, header);
        EXPECT_EQ(read.data.blocks, original.blocks);
        EXPECT_EQ(read.data.links, original.links);
    }
}

// The bytes are the contract: fields at their documented offsets, independent of the
// codec's own field order.
TEST(DiagramCodec, FieldsSitAtTheirOffsets)
{
    DiagramData d = sampleDiagram();
    const auto bytes = *encodeDiagram(d.header, d.blocks, d.links);
    const DiagramHeader& h = d.header;

    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 22), "Arquivo de fluxograma/");
    EXPECT_EQ(bytes[69], 26);
    EXPECT_EQ(bytes[70 + 100], h.spareBytes[100]);
    EXPECT_EQ(longAt(bytes, 171), h.scrollX);
    EXPECT_EQ(longAt(bytes, 175), h.scrollY);
    EXPECT_EQ(longAt(bytes, 179), h.creatorTag);
    EXPECT_EQ(longAt(bytes, 183), h.check1);
    EXPECT_EQ(longAt(bytes, 187 + 4 * 28), h.spareLongs[28]);
    EXPECT_EQ(longAt(bytes, 303), int32_t(d.links.size()));
    EXPECT_EQ(longAt(bytes, 307), int32_t(d.blocks.size()));
    EXPECT_EQ(bytes[311], 'f');  // spareText1
    EXPECT_EQ(bytes[341], 's');  // spareText2
    EXPECT_EQ(doubleAt(bytes, 371), h.createdAt);
    EXPECT_EQ(longAt(bytes, 379), h.saverTag);
    EXPECT_EQ(longAt(bytes, 383), h.check2);
    EXPECT_EQ(bytes[387], 't');  // spareText3
    EXPECT_EQ(doubleAt(bytes, 687), h.spareDate1);
    EXPECT_EQ(doubleAt(bytes, 703), h.spareDate3);
    EXPECT_EQ(doubleAt(bytes, 719), h.savedAt);
    EXPECT_EQ(longAt(bytes, 735), h.paperType);
    EXPECT_EQ(longAt(bytes, 739), h.spareLong);
    EXPECT_EQ(longAt(bytes, 743), h.check3);
    EXPECT_EQ(longAt(bytes, 747), h.check4);
    EXPECT_EQ(storedCheckWords(h), *calcula_verificacao(h));

    // First block "Start": kind, x, y, width, height, 16-bit length, text, portDy, portDx, spare.
    const Block& b = d.blocks[0];
    EXPECT_EQ(longAt(bytes, 751), kindCode(b.kind));
    EXPECT_EQ(longAt(bytes, 755), b.x);
    EXPECT_EQ(longAt(bytes, 767), b.height);
    EXPECT_EQ(bytes[771], 5);
    EXPECT_EQ(bytes[772], 0);
    EXPECT_EQ(std::string(bytes.begin() + 773, bytes.begin() + 778), "Start");
    EXPECT_EQ(longAt(bytes, 778), b.portDy);
    EXPECT_EQ(longAt(bytes, 786), -5);  // spare

    // Last link, then the trailer.
    const size_t lastLink = bytes.size() - 4 - 8;
    EXPECT_EQ(longAt(bytes, lastLink), d.links.back().source);
    EXPECT_EQ(longAt(bytes, lastLink + 4), d.links.back().target);
}

TEST(DiagramCodec, TextsKeepEveryByteAndTheirLineBreaks)
{
    DiagramData d = sampleDiagram();
    const auto bytes = *encodeDiagram(d.header, d.blocks, d.links);
    const std::string crlf = "two lines\r\nof explanation";
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), crlf.begin(), crlf.end()), bytes.end());

    const ReadResult read = decodeDiagram(bytes);
    ASSERT_EQ(read.status, ReadStatus::Ok);
    EXPECT_EQ(read.data.blocks[5].text, crlf);
    ASSERT_EQ(read.data.blocks[7].text.size(), 256u);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(uint8_t(read.data.blocks[7].text[size_t(c)]), c);
}

TEST(DiagramCodec, RefusesEveryClassOfDamage)
{
    for (const SampleFile& c : damagedFiles()) {
        const ReadResult read = decodeDiagram(c.bytes);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_EQ(read.reason, c.reason) << c.name;
        EXPECT_TRUE(read.data.blocks.empty() && read.data.links.empty()) << c.name;
    }
}

TEST(DiagramCodec, WritingRefusesWhatItCouldNotReadBack)
{
    DiagramData d = sampleDiagram();
    d.blocks[1].text.assign(size_t(kMaxTextBytes), 'x');
    EXPECT_TRUE(encodeDiagram(d.header, d.blocks, d.links));
    d.blocks[1].text += 'x';
    EXPECT_FALSE(encodeDiagram(d.header, d.blocks, d.links));

    DiagramData overflowing = emptyDiagram();
    overflowing.header.createdAt = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(encodeDiagram(overflowing.header, overflowing.blocks, overflowing.links));
}

} // namespace
} // namespace corvix
