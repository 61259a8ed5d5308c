#include "model/ole_date.h"
#include "storage/diagram_checksum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string_view>

namespace corvix {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

std::span<const uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Checksum, HelpersGiveTheDocumentedValues)
{
    const uint8_t fiveBytes[] = {1, 2, 3, 4, 5};
    const int32_t zeros[29] = {};
    EXPECT_EQ(soma_texto(bytesOf("abc"), 0), 781);
    EXPECT_EQ(soma_texto(bytesOf("abcd"), 0), 781 + 100);
    EXPECT_EQ(soma_bytes(fiveBytes, 0), 47);
    EXPECT_EQ(soma_longs(zeros, 0), 28);  // 0 ^ 1 ^ ... ^ 28
    EXPECT_EQ(soma_data(0.0, 0), kMax - 36161 + 1);
    EXPECT_EQ(soma_data(oleDate(1999, 1, 1, 18, 30), 5), 5);  // the time of day does not count
    EXPECT_EQ(soma_data(-1.5, 0), (-1 - 36161) & kMax);      // day numbers truncate toward zero
}

TEST(Checksum, AllZeroHeaderHasTheKnownCheckWords)
{
    const auto words = calcula_verificacao(DiagramHeader{});
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, (CheckWords{0, 0x7FFF72DB, 0x7FFCB07A, 0x573AF1E3}));
}

TEST(Checksum, ASumLeavingThe32BitRangeFails)
{
    const uint8_t byte255[] = {255};
    const uint8_t byte0[] = {0};
    const int32_t maxAtIndex1[] = {0, kMax};
    const int32_t maxAtIndex0[] = {kMax};

    EXPECT_FALSE(soma_texto(byte255, kMax - 764));  // 3 * 255 = 765
    EXPECT_EQ(soma_texto(byte255, kMax - 765), kMax);
    EXPECT_EQ(soma_texto(byte0, kMax), kMax);
    EXPECT_FALSE(soma_bytes(byte255, kMax));
    EXPECT_FALSE(soma_longs(maxAtIndex1, 0));
    EXPECT_EQ(soma_longs(maxAtIndex0, 0), kMax);
    EXPECT_FALSE(soma_data(36162.0, kMax));  // one day after 1999-01-01
    EXPECT_FALSE(soma_data(-2147483648.0, 0));  // the day fits, subtracting 36161 does not
}

TEST(Checksum, DatesWhoseDayDoesNotFit32BitsFail)
{
    for (const double date : {std::nan(""), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), 2147483648.0, -2147483649.0, 1e300}) {
        EXPECT_FALSE(soma_data(date, 0)) << date;
        EXPECT_FALSE(dayNumber(date)) << date;
    }
    EXPECT_EQ(dayNumber(2147483647.9), kMax);
}

TEST(Checksum, HugeCountsOverflowTheProduct)
{
    DiagramHeader h;
    h.blockCount = kMax / 345 + 1;
    EXPECT_FALSE(calcula_verificacao(h));
    h.blockCount = 0;
    h.linkCount = -(kMax / 853) - 2;
    EXPECT_FALSE(calcula_verificacao(h));
}

// Which header changes the check words notice: positions 3, 7, 11... of a text, bytes
// 3, 7, 11... of spareBytes and the time of day of a date do not count.
TEST(Checksum, CheckWordsCoverExactlyTheCountedFields)
{
    struct Case {
        const char* name;
        std::function<void(DiagramHeader&)> change;
        bool noticed;
    };
    const Case cases[] = {
        {"scrollX", [](DiagramHeader& h) { h.scrollX = 8; }, true},
        {"scrollY", [](DiagramHeader& h) { h.scrollY = 8; }, true},
        {"creatorTag", [](DiagramHeader& h) { h.creatorTag = 1; }, true},
        {"saverTag", [](DiagramHeader& h) { h.saverTag = 1; }, true},
        {"blockCount", [](DiagramHeader& h) { h.blockCount = 1; }, true},
        {"linkCount", [](DiagramHeader& h) { h.linkCount = 1; }, true},
        {"paperType", [](DiagramHeader& h) { h.paperType = 1; }, true},
        {"spareLong", [](DiagramHeader& h) { h.spareLong = 1; }, true},
        {"spareLongs[28]", [](DiagramHeader& h) { h.spareLongs[28] = 1; }, true},
        {"signature position 1", [](DiagramHeader& h) { h.signature[0] = 'A'; }, true},
        {"signature position 3", [](DiagramHeader& h) { h.signature[2] = 'A'; }, false},
        {"signature position 4", [](DiagramHeader& h) { h.signature[3] = 'A'; }, true},
        {"spareText3 position 7", [](DiagramHeader& h) { h.spareText3[6] = 'A'; }, false},
        {"spareText2 position 30", [](DiagramHeader& h) { h.spareText2[29] = 'A'; }, true},
        {"spareBytes index 3", [](DiagramHeader& h) { h.spareBytes[3] = 9; }, false},
        {"spareBytes index 100", [](DiagramHeader& h) { h.spareBytes[100] = 9; }, true},
        {"createdAt day", [](DiagramHeader& h) { h.createdAt = 1.0; }, true},
        {"createdAt time", [](DiagramHeader& h) { h.createdAt = 0.75; }, false},
        {"savedAt day", [](DiagramHeader& h) { h.savedAt = 40000.0; }, true},
        {"spareDate5 time", [](DiagramHeader& h) { h.spareDate5 = 0.5; }, false},
        {"check words themselves", [](DiagramHeader& h) { h.check1 = h.check2 = h.check3 = h.check4 = 5; }, false},
    };
    const CheckWords zero = *calcula_verificacao(DiagramHeader{});
    for (const Case& c : cases) {
        DiagramHeader h;
        c.change(h);
        const auto words = calcula_verificacao(h);
        ASSERT_TRUE(words) << c.name;
        EXPECT_EQ(*words != zero, c.noticed) << c.name;
    }
}

} // namespace
} // namespace corvix
