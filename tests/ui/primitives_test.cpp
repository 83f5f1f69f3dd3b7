// Bevels and shadowed text, and the pen they leave behind; the large-font fallback; statistics in letter mode.
#include "screen_fixture.h"

#include "ui/fonts.h"
#include "ui/primitives.h"

namespace quintaro {
namespace {

using namespace colour;
using PrimitivesTest = ScreenFixture;

TEST_F(PrimitivesTest, BevelIgnoresThePenItFindsAndLeavesAPlainBlackOne) {
    surface.setMixMode(platform::MixMode::Xor);
    surface.setLineWidth(3);
    surface.setFill(true);
    Display d = display();
    drawBevel(d, false, 2, 10, 10, 40, 30);
    expectProbes({{25, 10, White},
                  {25, 12, White},
                  {25, 13, Background},
                  {25, 27, Background},
                  {25, 28, DarkGrey},
                  {25, 30, DarkGrey},
                  {12, 20, White},
                  {13, 20, Background},
                  {38, 20, DarkGrey},
                  {40, 10, DarkGrey}});
    EXPECT_EQ(surface.foreground(), c(Black));
    EXPECT_EQ(surface.mixMode(), platform::MixMode::Copy);
    EXPECT_EQ(surface.lineWidth(), 1);
    EXPECT_FALSE(surface.fill());
}

TEST_F(PrimitivesTest, ShadowTextIsColouredWithAWhiteCopyToTheLowerRight) {
    Display d = display();
    drawShadowText(d, font::Titles, DarkRed, 100, 114, "HILFE");
    const auto topLeft = [this](int colourIndex) {
        std::pair<int, int> m{9999, 9999};
        for (int y = 90; y < 130; ++y)
            for (int x = 90; x < 200; ++x)
                if (at(x, y) == c(colourIndex)) m = {std::min(m.first, x), std::min(m.second, y)};
        return m;
    };
    const auto red = topLeft(DarkRed), white = topLeft(White);
    ASSERT_LT(red.first, 9999);
    EXPECT_EQ(white, (std::pair{red.first + 1, red.second + 1}));
    EXPECT_GE(red.second, 100 - 1); // y names a point 14 pixels below the text's top
    EXPECT_EQ(surface.font(), fontFor(font::Body));
    EXPECT_EQ(surface.textBackground(), platform::TextBackground::Opaque);
    EXPECT_EQ(surface.mixMode(), platform::MixMode::Copy);
    EXPECT_EQ((std::pair{surface.foreground(), surface.background()}), (std::pair{c(Black), c(LightGrey)}));
}

TEST_F(PrimitivesTest, LargeSystemFontsSwitchBodyFontToArialForGoodAndMoveAcceleratorText) {
    const auto leftmostBlack = [this] {
        for (int x = 0; x < 300; ++x)
            for (int y = 80; y < 120; ++y)
                if (at(x, y) == c(Black)) return x;
        return -1;
    };
    Display normal = display(16);
    drawShadowText(normal, font::Accelerator, Black, 20, 100, "Laden");
    const int normalX = leftmostBlack();
    ASSERT_GE(normalX, 0);

    Display large = display(20);
    selectFont(large, font::Symbols);
    EXPECT_EQ(surface.font(), fontFor(font::Symbols));
    selectFont(large, font::Titles);
    EXPECT_NE(surface.font().face, "System");
    EXPECT_FALSE(screen.largeFontMode) << "only the body font sets it";
    selectFont(large, font::Body);
    EXPECT_EQ(surface.font(), platform::FontRequest::pixels("ARIAL", 14, 8, 200));
    EXPECT_TRUE(screen.largeFontMode);

    selectFont(normal, font::Body);
    EXPECT_EQ(surface.font(), fontFor(font::Body));
    surface.clear(c(Background));
    drawShadowText(normal, font::Accelerator, Black, 20, 100, "Laden");
    EXPECT_EQ(leftmostBlack(), normalX + 31) << "the mode stays once set";
    selectFont(normal, font::Titles);
    EXPECT_EQ(surface.font().face, "System");
}

} // namespace
} // namespace quintaro
