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

} // namespace
} // namespace corvix
