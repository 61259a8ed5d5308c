#include "model/editor_state.h"
#include "storage/diagram_codec.h"
#include "storage/fragment_codec.h"
#include "support/diagram_samples.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvix {
namespace {

// The sample's first three blocks (a text with CR LF, odd kinds and spare fields among
// them) and two links between them, one with a port above 3.
DiagramFragment sampleFragment()
{
    const DiagramData d = sampleDiagram();
    DiagramFragment f;
    f.blocks.assign(d.blocks.begin(), d.blocks.begin() + 3);
    f.blocks[2].text = "two\r\nlines";
    f.links = {{connectionCode(1, Port::Left), connectionCode(0, Port::Top)}, {connectionCode(2, 7), connectionCode(1, 0)}};
    return f;
}

TEST(FragmentCodec, RoundTripKeepsEveryRecordAndSaysItsLength)
{
    const DiagramFragment f = sampleFragment();
    const auto bytes = encodeFragment(f);
    ASSERT_TRUE(bytes);
    size_t expected = 8 + 8 * f.links.size() + 4;
    for (const Block& b : f.blocks)
        expected += 34 + b.text.size();
    EXPECT_EQ(bytes->size(), expected);
    EXPECT_EQ(longAt(*bytes, 0), 3);
    EXPECT_EQ(longAt(*bytes, 4), 2);
    EXPECT_EQ(size_t(longAt(*bytes, bytes->size() - 4)), bytes->size());
    EXPECT_EQ(decodeFragment(*bytes), f);
}

TEST(FragmentCodec, RefusesWhatItCannotTrust)
{
    const std::vector<uint8_t> good = *encodeFragment(sampleFragment());
    const size_t firstLink = good.size() - 4 - 16;
    const auto changed = [&](const std::function<void(std::vector<uint8_t>&)>& change) {
        std::vector<uint8_t> bytes = good;
        change(bytes);
        return bytes;
    };
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"no-blocks", *encodeFragment({})},
        {"block-count-above-capacity", changed([](auto& b) { putLong(b, 0, kBlockCapacity + 1); })},
        {"negative-link-count", changed([](auto& b) { putLong(b, 4, -1); })},
        {"link-count-above-capacity", changed([](auto& b) { putLong(b, 4, kLinkCapacity + 1); })},
        {"link-end-past-the-blocks", changed([&](auto& b) { putLong(b, firstLink, connectionCode(3, Port::Left)); })},
        {"link-end-negative", changed([&](auto& b) { putLong(b, firstLink + 4, -256); })},
        {"text-runs-past-the-end", changed([](auto& b) { b[8 + 21] = 0x7f; })},
        {"truncated", changed([](auto& b) { b.resize(b.size() - 6); })},
        {"byte-appended", changed([](auto& b) { b.push_back(0); })},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decodeFragment(c.bytes)) << c.name;
}

TEST(FragmentCodec, WritingRefusesATextTooLongForItsRecord)
{
    DiagramFragment f = sampleFragment();
    f.blocks[0].text.assign(size_t(kMaxTextBytes) + 1, 'x');
    EXPECT_FALSE(encodeFragment(f));
}

} // namespace
} // namespace corvix
