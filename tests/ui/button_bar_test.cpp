// The button bar: bevel and outline when raised and pressed, where captions and letters land, the click zones.
#include "screen_fixture.h"

#include "ui/button_bar.h"
#include "ui/fonts.h"
#include "ui/primitives.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace quintaro {
namespace {

using namespace colour;

// Where a button's caption and letter must land: the caption with its "_" and letter blanked at tx,
// the letter at lx, each at y = 747, with normal and with large system fonts.
struct Placement {
    int left, right; // the button's frame
    const char* text;
    char letter; // 0: none
    int tx, lx, largeTx, largeLx;
};

class ButtonBarTest : public ScreenFixture {
protected:
    // Draws with `draw`, then the expected caption and letter alone, and compares each button's inside
    // (inset 3 from its frame, so bevel and outline do not count).
    void expectPlacements(Display& d, const std::vector<Placement>& placements, const std::function<void()>& draw) {
        const bool large = screen.largeFontMode;
        const auto insides = [&](const std::function<void()>& paint) {
            surface.clear(c(Background));
            paint();
            std::vector<std::vector<std::uint32_t>> result;
            for (const Placement& p : placements)
                result.push_back(surface.saveRectangle(p.left + 3, 730, p.right - 3, 749).pixels());
            return result;
        };
        const auto drawn = insides(draw),
                   expected = insides([&] {
                       for (const Placement& p : placements) {
                           drawShadowText(d, font::Accelerator, Black, large ? p.largeTx : p.tx, 747, p.text);
                           if (p.letter)
                               drawAcceleratorLetter(d, true, font::Accelerator, large ? p.largeLx : p.lx, 747,
                                                     p.letter);
                       }
                   });
        for (std::size_t i = 0; i < placements.size(); ++i)
            EXPECT_TRUE(drawn[i] == expected[i]) << '"' << placements[i].text << "\" large fonts: " << large;
    }
};

TEST_F(ButtonBarTest, RaisedAndPressedBevelsSitInsideABlackOutline) {
    Display d = display();
    drawBarButton(d, BarButton::Load, false); // frame (18, 727)-(140, 752), outline from (17, 726)
    expectProbes({{60, 726, Black},
                  {60, 727, White},
                  {60, 729, White},
                  {60, 730, Background},
                  {60, 749, Background},
                  {60, 750, DarkGrey},
                  {60, 752, Black},
                  {16, 731, Background},
                  {17, 731, Black},
                  {20, 731, White},
                  {21, 731, Background},
                  {137, 731, Background},
                  {138, 731, DarkGrey},
                  {140, 731, Black}});
    surface.clear(c(Background)); // pressing over a raised button would keep its innermost lines
    drawBarButton(d, BarButton::Load, true);
    expectProbes({{60, 726, Black},
                  {60, 728, DarkGrey},
                  {60, 729, Background},
                  {60, 750, Background},
                  {60, 751, White},
                  {60, 752, Black},
                  {17, 731, Black},
                  {19, 731, DarkGrey},
                  {20, 731, Background},
                  {138, 731, Background},
                  {139, 731, White},
                  {140, 731, Black}});
    EXPECT_GT(count(Black, 21, 730, 137, 749), 30) << "caption";
    EXPECT_EQ((std::pair{surface.foreground(), surface.background()}), (std::pair{c(Black), c(White)}));
    EXPECT_EQ(surface.textBackground(), platform::TextBackground::Opaque);
}

TEST_F(ButtonBarTest, AcceleratorLetterIsColouredOverAWhiteCopyToItsLowerRight) {
    surface.setMixMode(platform::MixMode::Merge);
    Display d = display();
    drawAcceleratorLetter(d, true, font::Accelerator, 100, 120, 'L');
    int red = 0;
    for (int y = 100; y < 130; ++y)
        for (int x = 90; x < 120; ++x)
            if (at(x, y) == c(DarkRed)) {
                ++red;
                EXPECT_GE(y, 120 - 14 - 1) << "y is 14 pixels below the letter's top";
                EXPECT_TRUE(at(x + 1, y + 1) == c(DarkRed) || at(x + 1, y + 1) == c(White)) << x << ',' << y;
            }
    EXPECT_GT(red, 10);
    EXPECT_GT(count(White, 90, 100, 120, 130), 0);
    EXPECT_EQ(surface.mixMode(), platform::MixMode::Copy);
    EXPECT_EQ(surface.background(), c(White));

    drawAcceleratorLetter(d, false, font::Accelerator, 100, 120, 'L');
    EXPECT_EQ(count(DarkRed, 90, 100, 120, 130), 0) << "not highlighted: colour 6";
    EXPECT_EQ(count(6, 90, 100, 120, 130), red);
}

TEST_F(ButtonBarTest, CaptionsAndLettersLandInPlaceWithNormalAndLargeFonts) {
    const std::vector<Placement> bar{
        {18, 140, "     aden    ", 'L', 28, 60, 20, 58},    {141, 263, "    ichern   ", 'S', 151, 175, 143, 176},
        {264, 370, "   rucken  ", 'D', 274, 290, 266, 295}, {371, 485, "   eustart  ", 'N', 381, 397, 373, 402},
        {486, 592, "    ilfe   ", 'H', 496, 520, 488, 521}, {593, 707, "   bbruch   ", 'A', 603, 619, 595, 624}};
    const std::vector<Placement> ok{{100, 134, " k", 'O', 110, 109, 102, 101}}; // letter first: one pixel left
    const std::vector<Placement> plain{{100, 142, "Ende", 0, 106, 0, 98, 0}};
    for (int metric : {16, 20}) { // large fonts last: the mode is never cleared
        Display d = display(metric);
        selectFont(d, font::Body);
        expectPlacements(d, bar, [&] { drawButtonBar(d); });
        expectPlacements(d, ok, [&] { drawButton(d, false, 100, 727, "_Ok"); });
        expectPlacements(d, plain, [&] { drawButton(d, false, 100, 727, "Ende"); });
    }
    EXPECT_TRUE(screen.largeFontMode);
}

TEST_F(ButtonBarTest, ClickZonesEndAtTheirBoundsAndAbortOnePixelShortOfItsFrame) {
    using enum BarButton;
    const std::pair<int, std::optional<BarButton>> row[]{
        {17, std::nullopt}, {18, Load},     {140, Load}, {141, Save}, {263, Save},  {264, Print}, {370, Print},
        {371, Restart},     {485, Restart}, {486, Help}, {592, Help}, {593, Abort}, {706, Abort}, {707, std::nullopt}};
    for (const auto& [x, button] : row)
        EXPECT_EQ((std::array{buttonAt(x, 725), buttonAt(x, 726), buttonAt(x, 752), buttonAt(x, 753)}),
                  (std::array{std::optional<BarButton>{}, button, button, std::optional<BarButton>{}}))
            << x;
}

} // namespace
} // namespace quintaro
