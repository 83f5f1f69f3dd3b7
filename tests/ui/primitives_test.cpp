// Bevels, shadowed text, font selection with the large-font fallback, and the statistics labels.
#include "screen_fixture.h"

#include "ui/fonts.h"
#include "ui/primitives.h"
#include "ui/statistics_panel.h"

namespace quintaro {
namespace {

using PrimitivesTest = ScreenFixture;

TEST_F(PrimitivesTest, RaisedBevelDrawsWidthPlusOneLinesLightAboveDarkBelow)
{
    Display d = display();
    surface.setMixMode(platform::MixMode::Xor);
    drawBevel(d, false, 2, 10, 10, 40, 30);
    for (int y : {10, 11, 12})
        EXPECT_EQ(at(25, y), c(colour::White)) << y;
    EXPECT_EQ(at(25, 13), c(colour::Background));
    for (int y : {30, 29, 28})
        EXPECT_EQ(at(25, y), c(colour::DarkGrey)) << y;
    EXPECT_EQ(at(25, 27), c(colour::Background));
    EXPECT_EQ(at(12, 20), c(colour::White));
    EXPECT_EQ(at(38, 20), c(colour::DarkGrey));
    EXPECT_EQ(at(40, 10), c(colour::DarkGrey)); // the dark right edge is drawn last
    EXPECT_EQ(surface.foreground(), c(colour::Black));
    EXPECT_EQ(surface.mixMode(), platform::MixMode::Copy);
    EXPECT_FALSE(surface.fill());
}

TEST_F(PrimitivesTest, SunkenBevelDrawsWidthLinesDarkAboveLightBelow)
{
    Display d = display();
    surface.setLineWidth(3);
    drawBevel(d, true, 2, 10, 10, 40, 30);
    EXPECT_EQ(at(25, 10), c(colour::DarkGrey));
    EXPECT_EQ(at(25, 11), c(colour::DarkGrey));
    EXPECT_EQ(at(25, 12), c(colour::Background));
    EXPECT_EQ(at(25, 30), c(colour::White));
    EXPECT_EQ(at(25, 29), c(colour::White));
    EXPECT_EQ(at(25, 28), c(colour::Background));
    EXPECT_EQ(surface.lineWidth(), 1);
}

TEST_F(PrimitivesTest, ShadowTextIsColouredWithAWhiteCopyToTheLowerRight)
{
    Display d = display();
    drawShadowText(d, font::Titles, colour::DarkRed, 100, 114, "HILFE");
    int minRedX = 9999, minRedY = 9999, minWhiteX = 9999, minWhiteY = 9999;
    for (int y = 90; y < 130; ++y)
        for (int x = 90; x < 200; ++x) {
            if (at(x, y) == c(colour::DarkRed))
                minRedX = std::min(minRedX, x), minRedY = std::min(minRedY, y);
            if (at(x, y) == c(colour::White))
                minWhiteX = std::min(minWhiteX, x), minWhiteY = std::min(minWhiteY, y);
        }
    ASSERT_LT(minRedX, 9999);
    EXPECT_EQ(minWhiteX, minRedX + 1);
    EXPECT_EQ(minWhiteY, minRedY + 1);
    EXPECT_GE(minRedY, 100 - 1); // y names a point 14 pixels below the text's top
    // What it leaves behind, whatever font the text used.
    EXPECT_EQ(surface.font(), fontFor(font::Body));
    EXPECT_EQ(screen.currentFont, font::Body);
    EXPECT_EQ(surface.textBackground(), platform::TextBackground::Opaque);
    EXPECT_EQ(surface.mixMode(), platform::MixMode::Copy);
    EXPECT_EQ(surface.foreground(), c(colour::Black));
    EXPECT_EQ(surface.background(), c(colour::LightGrey));
}

TEST_F(PrimitivesTest, LargeSystemFontsSwitchBodyFontToArialForGood)
{
    Display large = display(20);
    selectFont(large, font::Symbols);
    EXPECT_EQ(surface.font(), fontFor(font::Symbols));
    EXPECT_FALSE(screen.largeFontMode);
    selectFont(large, font::Titles);
    EXPECT_NE(surface.font().face, "System");
    selectFont(large, font::Body);
    EXPECT_EQ(surface.font(), platform::FontRequest::pixels("ARIAL", 14, 8, 200));
    EXPECT_TRUE(screen.largeFontMode);

    Display normal = display(16);
    selectFont(normal, font::Body);
    EXPECT_EQ(surface.font(), fontFor(font::Body));
    EXPECT_TRUE(screen.largeFontMode) << "never cleared once set";
    selectFont(normal, font::Titles);
    EXPECT_EQ(surface.font().face, "System");
}

TEST_F(PrimitivesTest, AcceleratorTextMovesRightInLargeFontMode)
{
    auto leftmost = [this] {
        for (int x = 0; x < 300; ++x)
            for (int y = 80; y < 120; ++y)
                if (at(x, y) == c(colour::Black))
                    return x;
        return -1;
    };
    Display d = display();
    drawShadowText(d, font::Accelerator, colour::Black, 20, 100, "Laden");
    const int normal = leftmost();
    surface.clear(c(colour::Background));
    screen.largeFontMode = true;
    drawShadowText(d, font::Accelerator, colour::Black, 20, 100, "Laden");
    ASSERT_GE(normal, 0);
    EXPECT_EQ(leftmost(), normal + 31);
}

TEST_F(PrimitivesTest, StatisticsShowPlaceholderCountsOnlyForDigits)
{
    Display d = display();
    drawStatisticsPanel(d, PanelValues{false, 0, 0, " Leicht "});
    EXPECT_EQ(count(colour::Black, 803, 271, 1018, 286), 0) << "count row";
    EXPECT_GT(count(colour::Black, 812, 254, 1020, 265), 9 * 5) << "letters A..I";

    surface.clear(c(colour::Background));
    drawStatisticsPanel(d, PanelValues{true, 0, 0, " Leicht "});
    EXPECT_GT(count(colour::Black, 803, 271, 1018, 286), 9 * 6);
}

TEST_F(PrimitivesTest, FontsHaveTheirPixelSizes)
{
    Display d = display();
    selectFont(d, font::Body);
    EXPECT_EQ(surface.textWidth("Anzahl"), 6 * 8);
    selectFont(d, font::Symbols);
    EXPECT_NEAR(surface.textWidth("xxxx"), 4 * 18, 4);
    selectFont(d, font::Popup);
    EXPECT_NEAR(surface.textWidth("xxxx"), 4 * 10, 4);
}

} // namespace
} // namespace quintaro
