#include "model/text_codec.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

TEST(TextCodec, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(TextCodec, ConvertsTheHighPunctuationAndReplacesTheRest)
{
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");             // euro sign
    EXPECT_EQ(utf8ToCp1252("caf\xC3\xA9"), "caf\xE9");           // e acute
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD"), "?");                // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");          // an emoji
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");                        // truncated sequence
}

TEST(TextCodec, LowerCaseFollowsTheCodePage)
{
    // A-Z, the Latin-1 capitals, and the four capitals among 0x80..0x9F.
    EXPECT_EQ(lowerCp1252("Ab Z\xC0\xDE\x8A\x8C\x8E\x9F"), "ab z\xE0\xFE\x9A\x9C\x9E\xFF");
    // Multiplication sign, sharp s, micro sign and the small letters stay as they are.
    EXPECT_EQ(lowerCp1252("\xD7\xDF\xB5\xE0\x9A[@"), "\xD7\xDF\xB5\xE0\x9A[@");
}

} // namespace
} // namespace corvix
