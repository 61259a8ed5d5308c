#include "view/print_layout.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

TEST(PreviewLayout, A409PixelPictureKeepsTheSheetsProportions)
{
    const PreviewLayout a4 = previewLayout(1188, 1537, 409, 8.25);
    EXPECT_NEAR(a4.scale, 2.905, 0.001);
    EXPECT_EQ(a4.pictureHeight, 529);
    EXPECT_NEAR(a4.fontPointSize, 2.84, 0.01);

    EXPECT_EQ(previewLayout(1188, 1433, 409, 8.25).pictureHeight, 493);
}

struct LogoCase {
    int tick;
    int32_t width;
    int32_t height;
};

class SplashLogo : public testing::TestWithParam<LogoCase> {};

TEST_P(SplashLogo, GrowsAroundTheCentreWithHalvesRoundedToEven)
{
    const LogoCase c = GetParam();
    const LogoRect r = splashLogoRect(c.tick, 500, 400, 200, 67);
    EXPECT_EQ(r.width, c.width);
    EXPECT_EQ(r.height, c.height);
    EXPECT_EQ(r.left, 500 - c.width / 2);
    EXPECT_EQ(r.top, 400 - c.height / 2);
}

INSTANTIATE_TEST_SUITE_P(Ticks, SplashLogo,
                         testing::Values(LogoCase{0, 2, 2}, LogoCase{1, 10, 3}, LogoCase{10, 100, 34},
                                         LogoCase{20, 200, 67}, LogoCase{35, 200, 67}),
                         [](const auto& param) { return "tick" + std::to_string(param.param.tick); });

} // namespace
} // namespace corvix
