// Pixel rules of the image surface: line and rectangle coverage, mix modes, text, saved rectangles, and
// what was drawn drawn again sharp at a new resolution.
#include "platform/headless/headless_platform.h"
#include "platform/image_surface.h"
#include "platform/qt_image_surface.h"
#include "platform/rgb_printer.h"
#include "platform/window_scale.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

namespace quintaro::platform {
namespace {

constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0};
constexpr Rgb kPaper{0x10, 0x20, 0x40}, kInk{0x01, 0x22, 0x0F};

class ImageSurfaceTest : public ::testing::Test {
protected:
    HeadlessPlatform platform; // provides the GUI application that text needs
    ImageSurface surface{64, 48};

    int count(Rgb c, int x1 = 0, int y1 = 0, int x2 = 63, int y2 = 47) const {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += surface.pixel(x, y) == c;
        return n;
    }
};

TEST_F(ImageSurfaceTest, LinesCoverBothEndsOnePixelPerStepAndWideOnesReachLeftAndAboveFirst) {
    surface.line(10, 5, 20, 5);   // in the default black
    surface.line(30, 20, 30, 10); // drawn upwards
    surface.line(40, 30, 49, 39);
    EXPECT_EQ(count(kBlack), 11 + 11 + 10);
    EXPECT_EQ(count(kBlack, 10, 5, 20, 5) + count(kBlack, 30, 10, 30, 20), 22);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(surface.pixel(40 + i, 30 + i), kBlack) << i;

    surface.clear(kWhite);
    std::array<int, 4> touched{};
    surface.setChangeListener([&](int x, int y, int w, int h) { touched = {x, y, w, h}; });
    surface.setLineWidth(2);
    surface.line(10, 10, 20, 10);
    EXPECT_EQ(touched, (std::array{9, 9, 12, 2}));
    EXPECT_EQ(count(kBlack, 9, 9, 20, 10), 24);
    surface.setLineWidth(3);
    surface.line(40, 10, 40, 20);
    EXPECT_EQ(count(kBlack, 39, 9, 41, 21), 3 * 13);
    EXPECT_EQ(count(kBlack), 24 + 39);
}

TEST_F(ImageSurfaceTest, OutlinesSitOnTheCornerCoordinatesAndOnlyFilledRectanglesFillWhenFillIsOn) {
    surface.clear(kPaper);
    surface.setBackground(kRed); // fill is on at first
    surface.rectangle(5, 5, 15, 10);
    surface.filledRectangle(20, 5, 30, 10);
    surface.setFill(false);
    surface.filledRectangle(40, 5, 50, 10);
    for (int left : {5, 20, 40}) EXPECT_EQ(count(kBlack, left, 5, left + 10, 10), 2 * 11 + 2 * 4) << left;
    EXPECT_EQ(count(kBlack), 3 * 30);
    EXPECT_EQ(count(kRed, 21, 6, 29, 9), 9 * 4);
    EXPECT_EQ(count(kRed), 9 * 4);
}

TEST_F(ImageSurfaceTest, MixModesCombineWithWhatIsThereOncePerPixel) {
    const Rgb merged{0x11, 0x22, 0x4F}, xored{0x11, 0x02, 0x4F};
    surface.clear(kPaper);
    surface.setForeground(kInk);
    surface.setBackground(kWhite);
    surface.setMixMode(MixMode::Merge);
    surface.line(0, 1, 9, 1);
    EXPECT_EQ(surface.pixel(5, 1), merged);

    surface.setMixMode(MixMode::Xor);
    surface.filledRectangle(20, 20, 30, 30); // corners belong to two edges; outline and fill mix apart
    EXPECT_EQ(surface.pixel(20, 20), xored);
    EXPECT_EQ(surface.pixel(30, 30), xored);
    EXPECT_EQ(surface.pixel(25, 25), (Rgb{0xEF, 0xDF, 0xBF}));
    surface.setLineWidth(3); // the overlapping squares along a wide line must not cancel out
    surface.line(0, 10, 9, 10);
    EXPECT_EQ(surface.pixel(5, 10), xored);
    EXPECT_EQ(surface.pixel(5, 11), xored);
    surface.line(0, 10, 9, 10);
    EXPECT_EQ(surface.pixel(5, 10), kPaper);

    surface.setMixMode(MixMode::Copy);
    surface.line(0, 40, 9, 40);
    EXPECT_EQ(surface.pixel(5, 40), kInk);
}

TEST_F(ImageSurfaceTest, TextIsPlainWhateverTheMixModeAndAnOpaqueBackgroundFillsItsCellBox) {
    surface.setForeground(kRed);
    surface.setTextBackground(TextBackground::Transparent);
    surface.setMixMode(MixMode::Xor);
    surface.setFont(FontRequest::pixels("ARIAL", 36, 18, 200));
    EXPECT_NEAR(surface.textWidth("xxxxxxxxxx"), 180, 10); // the requested pixel size
    surface.setFont(FontRequest::pixels("ARIAL", 36, 18, 700));
    surface.text(2, 2, "HH");
    EXPECT_GT(count(kRed), 50);
    // Neither antialiasing nor xor (which would turn white cyan): only the two colours appear.
    EXPECT_EQ(count(kRed) + count(kWhite), 64 * 48);

    surface.clear(kPaper);
    surface.setBackground(kBlack);
    surface.setFont(FontRequest::pixels("Terminal", 12, 8, 400, true));
    EXPECT_EQ(surface.textWidth("Vorgegebene Zahlen: "), 160);
    surface.text(0, 0, "  ");
    EXPECT_EQ(count(kPaper), 64 * 48);
    surface.setTextBackground(TextBackground::Opaque);
    surface.text(0, 0, "  ");
    EXPECT_EQ(count(kBlack, 0, 0, 15, 11), 16 * 12); // two cells of the 8-pixel fixed-pitch font
    EXPECT_EQ(count(kBlack), 16 * 12);
}

TEST_F(ImageSurfaceTest, SavedRectanglesAreClippedAtTheEdgeAndPaintBackPlainlyAnywhere) {
    surface.clear(kPaper);
    surface.setForeground(kInk);
    surface.line(3, 3, 7, 7);
    surface.line(-5, 47, 70, 47);
    EXPECT_EQ(count(kInk, 0, 47, 63, 47), 64);
    const SavedRectangle saved = surface.saveRectangle(2, 2, 8, 8);
    const SavedRectangle edge = surface.saveRectangle(60, 44, 70, 50);
    ASSERT_EQ((std::array{saved.width(), saved.height(), edge.width()}), (std::array{7, 7, 11}));
    surface.clear(kWhite);
    surface.setMixMode(MixMode::Xor); // painting back ignores the mix mode
    surface.paintRectangle(saved, 30, 30);
    surface.paintRectangle(edge, 60, 44);
    EXPECT_EQ(count(kInk, 30, 30, 36, 36), 5);
    EXPECT_EQ(count(kPaper, 30, 30, 36, 36), 49 - 5);
    EXPECT_EQ(surface.pixel(63, 47), kInk);
    EXPECT_EQ(surface.pixel(60, 44), kPaper);
    EXPECT_EQ(count(kWhite), 64 * 48 - 49 - 4 * 4);
    EXPECT_THROW((void)surface.pixel(64, 0), std::out_of_range);
    EXPECT_THROW((void)surface.pixel(0, -1), std::out_of_range);
}

// Lines, fills, mixes and saved rectangles, the same on a surface at any ratio.
void drawShapes(Surface& s) {
    s.clear(kPaper);
    s.setForeground(kInk);
    s.setBackground(kWhite);
    s.setLineWidth(3);
    s.line(2, 3, 40, 20);
    s.setLineWidth(1);
    s.filledRectangle(5, 25, 20, 40);
    s.setMixMode(MixMode::Xor);
    s.rectangle(10, 10, 50, 30);
    s.setMixMode(MixMode::Copy);
}

TEST_F(ImageSurfaceTest, At200PercentEveryPixelIsABlockOfFourAndTextIsDrawnFiner) {
    ImageSurface sharp(64, 48, 2.0);
    ASSERT_EQ((std::array{sharp.width(), sharp.height(), imageOf(sharp).width()}), (std::array{64, 48, 128}));
    drawShapes(surface);
    drawShapes(sharp);
    const SavedRectangle fine = sharp.saveRectangle(0, 20, 30, 45), plain = surface.saveRectangle(0, 20, 30, 45);
    ASSERT_EQ((std::array{fine.width(), fine.deviceWidth(), plain.deviceWidth()}), (std::array{31, 62, 31}));
    // Painted back at either ratio, and across: saved at 100 % onto 200 % and back.
    sharp.clear(kWhite);
    surface.clear(kWhite);
    sharp.paintRectangle(fine, 0, 20);
    surface.paintRectangle(plain, 0, 20);
    sharp.paintRectangle(plain, 33, 0);
    surface.paintRectangle(fine, 33, 0);
    const QImage& image = imageOf(sharp);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(image.pixel(x, y), imageOf(surface).pixel(x / 2, y / 2)) << x << ',' << y;

    // Text keeps its place and box, and its edges fall between the game's pixels.
    sharp.clear(kWhite);
    sharp.setFont(FontRequest::pixels("ARIAL", 36, 18, 200));
    sharp.setBackground(kPaper);
    sharp.text(4, 4, "Q7");
    EXPECT_EQ(sharp.pixel(4, 4), kPaper);
    EXPECT_EQ(sharp.pixel(3 + sharp.textWidth("Q7"), 4), kPaper);
    EXPECT_EQ(sharp.pixel(4 + sharp.textWidth("Q7"), 4), kWhite);
    int split = 0;
    for (int y = 0; y < 96; y += 2)
        for (int x = 0; x < 128; x += 2)
            split += image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1);
    EXPECT_GT(split, 20) << "a text scaled up from 100 % would fill whole blocks";
}

// Draws `count` random primitives, the same for every surface given the same seed: lines and rectangles in
// all mix modes and widths, text in two fonts, and rectangles saved and painted back elsewhere (at whole
// ratios only: elsewhere at a fractional one, the copied pixels land on other device pixel edges).
void drawRandomly(ImageSurface& s, std::uint32_t seed, int count, bool paintBack) {
    std::mt19937 random(seed);
    auto any = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const std::array colours{kWhite, kBlack, kRed, kPaper, kInk};
    std::optional<SavedRectangle> saved;
    for (int i = 0; i < count; ++i) {
        s.setForeground(colours[std::size_t(any(0, 4))]);
        s.setBackground(colours[std::size_t(any(0, 4))]);
        s.setLineWidth(any(1, 3));
        s.setFill(any(0, 1) == 1);
        s.setMixMode(any(0, 5) == 0 ? MixMode::Xor : any(0, 5) == 0 ? MixMode::Merge : MixMode::Copy);
        s.setTextBackground(any(0, 1) ? TextBackground::Opaque : TextBackground::Transparent);
        const int x1 = any(-5, 68), y1 = any(-5, 52), x2 = any(-5, 68), y2 = any(-5, 52);
        switch (any(0, 5)) {
        case 0:
            s.line(x1, y1, x2, y2);
            break;
        case 1:
            s.rectangle(x1, y1, x2, y2);
            break;
        case 2:
            s.filledRectangle(x1, y1, x2, y2);
            break;
        case 3:
            s.setFont(any(0, 1) ? FontRequest::pixels("ARIAL", 14, 7, 700) : FontRequest::points("System", 9.75, 700));
            s.text(x1, y1, any(0, 1) ? "5" : "Zeit 7");
            break;
        case 4:
            if (paintBack) saved = s.saveRectangle(x1, y1, x1 + any(0, 20), y1 + any(0, 20));
            break;
        case 5:
            if (saved) s.paintRectangle(*saved, x2, y2);
            break;
        }
    }
}

TEST_F(ImageSurfaceTest, ANewResolutionDrawsEverythingAsIfItHadBeenDrawnThereFromTheStart) {
    const std::uint32_t seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 seeds(seed);
    for (int round = 0; round < 24; ++round) {
        const double ratio = std::array{2.0, 3.0, 1.5, 1.25}[std::size_t(round % 4)];
        const bool paintBack = ratio == int(ratio);
        const std::uint32_t drawing = seeds();
        const int count = int(seeds() % 120);
        ImageSurface direct(64, 48, ratio), rescaled(64, 48), twice(64, 48, 2.0);
        drawRandomly(direct, drawing, count, paintBack);
        drawRandomly(rescaled, drawing, count, paintBack);
        drawRandomly(twice, drawing, count, paintBack);
        rescaled.setPixelRatio(ratio);
        twice.setPixelRatio(1);
        twice.setPixelRatio(ratio);
        ASSERT_EQ(imageOf(rescaled), imageOf(direct)) << "round " << round << " ratio " << ratio;
        ASSERT_EQ(imageOf(twice), imageOf(direct)) << "round " << round << " ratio " << ratio;
        // And back: what 100 % shows is what it showed before.
        ImageSurface plain(64, 48);
        drawRandomly(plain, drawing, count, paintBack);
        rescaled.setPixelRatio(1);
        ASSERT_EQ(imageOf(rescaled), imageOf(plain)) << "round " << round;
    }
}

// Cells of `size` pixels in the game's way: a grid of outlines over white, then every cell's inside
// erased to its paper colour (outline and fill alike).
void drawCells(Surface& s, int columns, int rows, int size = 10) {
    s.clear(kWhite);
    s.setForeground(kBlack);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            s.rectangle(2 + size * c, 2 + size * r, 2 + size * (c + 1), 2 + size * (r + 1));
    s.setForeground(kPaper);
    s.setBackground(kPaper);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            s.filledRectangle(3 + size * c, 3 + size * r, 1 + size * (c + 1), 1 + size * (r + 1));
}

TEST_F(ImageSurfaceTest, BelowFullSizeEveryLineKeepsADevicePixelBesideTheFillsAndRedrawsTheSame) {
    for (const double ratio : {0.915, 0.75, 0.5}) {
        ImageSurface small(64, 48, ratio), rescaled(64, 48);
        drawCells(small, 6, 4);
        drawCells(rescaled, 6, 4);
        rescaled.setPixelRatio(ratio);
        ASSERT_EQ(imageOf(rescaled), imageOf(small)) << ratio;
        const QImage& image = imageOf(small);
        ASSERT_EQ(image.width(), deviceSize(64, ratio)) << ratio;
        // Every grid line shows along a cell's middle, and no colour but the three drawn appears.
        for (int k = 0; k <= 6; ++k)
            EXPECT_EQ(image.pixel(deviceEdge(2 + 10 * k, ratio), deviceEdge(7, ratio)), qRgb(0, 0, 0))
                << ratio << ' ' << k;
        for (int k = 0; k <= 4; ++k)
            EXPECT_EQ(image.pixel(deviceEdge(7, ratio), deviceEdge(2 + 10 * k, ratio)), qRgb(0, 0, 0))
                << ratio << ' ' << k;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255) || p == qRgb(0x10, 0x20, 0x40))
                    << ratio << " at " << x << ',' << y;
            }
    }
}

TEST_F(ImageSurfaceTest, ALongSessionKeepsTheListBoundedAndAFullOneGivesWayToPixels) {
    const std::uint32_t seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    auto any = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    // As in play: a chooser over a cell and back, then the cell erased and written, again and again.
    ImageSurface surface(400, 300);
    drawCells(surface, 19, 14, 20);
    surface.setFont(FontRequest::pixels("ARIAL", 12, 6, 700));
    for (int i = 0; i < 20000; ++i) {
        const int x = 2 + 20 * any(0, 18), y = 2 + 20 * any(0, 13);
        const SavedRectangle under = surface.saveRectangle(x - 20, y - 20, x + 40, y + 40);
        surface.setBackground(kRed);
        surface.filledRectangle(x - 20, y - 20, x + 40, y + 40);
        surface.paintRectangle(under, x - 20, y - 20);
        surface.setForeground(kPaper);
        surface.setBackground(kPaper);
        surface.filledRectangle(x + 1, y + 1, x + 19, y + 19);
        surface.setForeground(kInk);
        surface.setTextBackground(TextBackground::Transparent);
        surface.text(x + 6, y + 3, std::to_string(any(1, 9)));
        ASSERT_LT(surface.keptSteps(), 4096u) << "step " << i;
    }
    // Xor lines hide nothing: past the most kept the list becomes one copy of the pixels.
    surface.setMixMode(MixMode::Xor);
    surface.setForeground(kRed);
    for (int i = 0; i < 40000; ++i) {
        surface.line(i % 64, 0, i % 64, 47);
        ASSERT_LE(surface.keptSteps(), 40000u) << "line " << i;
    }
    EXPECT_LT(surface.keptSteps(), 20000u);
    const Rgb twice = surface.pixel(0, 20);
    surface.setPixelRatio(2);
    EXPECT_EQ(surface.pixel(0, 20), twice); // 625 red lines over each column
    EXPECT_EQ(imageOf(surface).pixel(1, 41), imageOf(surface).pixel(0, 40));
}

} // namespace
} // namespace quintaro::platform
