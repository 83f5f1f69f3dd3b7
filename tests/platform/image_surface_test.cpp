// Pixel rules of the image surface: line and rectangle coverage, mix modes, text, saved rectangles.
#include "platform/headless/headless_platform.h"
#include "platform/image_surface.h"
#include "platform/rgb_printer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quintaro::platform {
namespace {

constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0};
constexpr Rgb kPaper{0x10, 0x20, 0x40}, kInk{0x01, 0x22, 0x0F};

class ImageSurfaceTest : public ::testing::Test {
protected:
    HeadlessPlatform platform; // provides the GUI application that text needs
    ImageSurface surface{64, 48};

    int countColour(Rgb c, int x1, int y1, int x2, int y2) const
    {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                n += surface.pixel(x, y) == c;
        return n;
    }
};

TEST_F(ImageSurfaceTest, OnePixelLinesCoverBothEndPointsInEitherDirection)
{
    surface.setForeground(kBlack);
    surface.line(10, 5, 20, 5);
    surface.line(30, 20, 30, 10); // drawn upwards
    EXPECT_EQ(countColour(kBlack, 0, 0, 63, 47), 11 + 11);
    EXPECT_EQ(surface.pixel(10, 5), kBlack);
    EXPECT_EQ(surface.pixel(20, 5), kBlack);
    EXPECT_EQ(surface.pixel(21, 5), kWhite);
    EXPECT_EQ(surface.pixel(9, 5), kWhite);
    EXPECT_EQ(surface.pixel(30, 10), kBlack);
    EXPECT_EQ(surface.pixel(30, 20), kBlack);
    EXPECT_EQ(surface.pixel(30, 21), kWhite);
}

TEST_F(ImageSurfaceTest, DiagonalLineIsOnePixelPerStep)
{
    surface.setForeground(kBlack);
    surface.line(0, 0, 9, 9);
    EXPECT_EQ(countColour(kBlack, 0, 0, 63, 47), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(surface.pixel(i, i), kBlack) << i;
}

TEST_F(ImageSurfaceTest, WideLinesReachLeftAndAboveFirst)
{
    surface.setForeground(kBlack);
    surface.setLineWidth(2);
    surface.line(10, 10, 20, 10);
    EXPECT_EQ(surface.pixel(15, 9), kBlack);
    EXPECT_EQ(surface.pixel(15, 10), kBlack);
    EXPECT_EQ(surface.pixel(15, 11), kWhite);
    EXPECT_EQ(surface.pixel(9, 10), kBlack);  // the square at the first point
    EXPECT_EQ(surface.pixel(21, 10), kWhite);
    surface.setLineWidth(3);
    surface.line(40, 10, 40, 20);
    EXPECT_EQ(countColour(kBlack, 38, 15, 42, 15), 3);
    EXPECT_EQ(surface.pixel(39, 15), kBlack);
    EXPECT_EQ(surface.pixel(41, 15), kBlack);
}

TEST_F(ImageSurfaceTest, RectangleOutlineSitsOnItsCornerCoordinatesAndIgnoresFill)
{
    surface.clear(kPaper);
    surface.setForeground(kBlack);
    surface.setBackground(kRed);
    surface.setFill(true);
    surface.rectangle(5, 5, 15, 10);
    EXPECT_EQ(surface.pixel(5, 5), kBlack);
    EXPECT_EQ(surface.pixel(15, 10), kBlack);
    EXPECT_EQ(surface.pixel(15, 7), kBlack);
    EXPECT_EQ(surface.pixel(10, 7), kPaper);
    EXPECT_EQ(surface.pixel(16, 7), kPaper);
    EXPECT_EQ(countColour(kBlack, 0, 0, 63, 47), 2 * 11 + 2 * 4);
}

TEST_F(ImageSurfaceTest, FilledRectangleFillsWithBackgroundOnlyWhenFillIsOn)
{
    surface.clear(kPaper);
    surface.setForeground(kBlack);
    surface.setBackground(kRed);
    surface.filledRectangle(5, 5, 15, 10);
    EXPECT_EQ(surface.pixel(5, 5), kBlack);
    EXPECT_EQ(surface.pixel(6, 6), kRed);
    EXPECT_EQ(surface.pixel(14, 9), kRed);
    EXPECT_EQ(countColour(kRed, 0, 0, 63, 47), 9 * 4);

    surface.setFill(false);
    surface.filledRectangle(20, 20, 30, 30);
    EXPECT_EQ(surface.pixel(25, 25), kPaper);
    EXPECT_EQ(surface.pixel(20, 25), kBlack);
}

TEST_F(ImageSurfaceTest, MixModesCombineWithWhatIsThereOncePerPixel)
{
    const Rgb merged{0x11, 0x22, 0x4F}, xored{0x11, 0x02, 0x4F};
    surface.clear(kPaper);
    surface.setForeground(kInk);

    surface.setMixMode(MixMode::Merge);
    surface.line(0, 1, 9, 1);
    EXPECT_EQ(surface.pixel(5, 1), merged);

    surface.setMixMode(MixMode::Xor);
    surface.setLineWidth(3); // overlapping squares along the line must not cancel out
    surface.line(0, 10, 9, 10);
    EXPECT_EQ(surface.pixel(5, 10), xored);
    EXPECT_EQ(surface.pixel(5, 11), xored);
    surface.line(0, 10, 9, 10);
    EXPECT_EQ(surface.pixel(5, 10), kPaper);

    surface.setLineWidth(1);
    surface.rectangle(20, 20, 30, 30); // corners belong to two edges
    EXPECT_EQ(surface.pixel(20, 20), xored);
    EXPECT_EQ(surface.pixel(30, 30), xored);

    surface.setMixMode(MixMode::Copy);
    surface.line(0, 40, 9, 40);
    EXPECT_EQ(surface.pixel(5, 40), kInk);
}

TEST_F(ImageSurfaceTest, XorFilledRectangleMixesOutlineAndFillSeparately)
{
    surface.clear(kPaper);
    surface.setForeground(kInk);
    surface.setBackground(kWhite);
    surface.setMixMode(MixMode::Xor);
    surface.filledRectangle(2, 2, 8, 8);
    EXPECT_EQ(surface.pixel(2, 2), (Rgb{0x11, 0x02, 0x4F}));
    EXPECT_EQ(surface.pixel(5, 5), (Rgb{0xEF, 0xDF, 0xBF}));
}

TEST_F(ImageSurfaceTest, TextIsDrawnPlainlyWhateverTheMixMode)
{
    surface.clear(kWhite);
    surface.setForeground(kRed);
    surface.setTextBackground(TextBackground::Transparent);
    surface.setMixMode(MixMode::Xor);
    surface.setFont(FontRequest::pixels("ARIAL", 36, 18, 700));
    surface.text(2, 2, "HH");
    EXPECT_GT(countColour(kRed, 0, 0, 63, 47), 50);
    EXPECT_EQ(countColour(Rgb{0, 255, 255}, 0, 0, 63, 47), 0); // what xor would have made of white
    // No antialiasing: only the two colours appear.
    EXPECT_EQ(countColour(kRed, 0, 0, 63, 47) + countColour(kWhite, 0, 0, 63, 47), 64 * 48);
}

TEST_F(ImageSurfaceTest, OpaqueTextFillsItsBoxTransparentTextLeavesIt)
{
    surface.clear(kPaper);
    surface.setForeground(kBlack);
    surface.setBackground(kRed);
    surface.setFont(FontRequest::pixels("Terminal", 12, 8, 400, true));
    surface.setTextBackground(TextBackground::Transparent);
    surface.text(0, 0, "  ");
    EXPECT_EQ(countColour(kPaper, 0, 0, 63, 47), 64 * 48);
    surface.setTextBackground(TextBackground::Opaque);
    surface.text(0, 0, "  ");
    const int w = surface.textWidth("  ");
    EXPECT_EQ(w, 16); // two cells of the 8-pixel fixed-pitch font
    EXPECT_EQ(surface.pixel(0, 0), kRed);
    EXPECT_EQ(surface.pixel(w - 1, 11), kRed);
    EXPECT_EQ(surface.pixel(w, 0), kPaper);
    EXPECT_EQ(surface.pixel(0, 12), kPaper);
}

TEST_F(ImageSurfaceTest, FontsKeepTheirRequestedPixelSize)
{
    surface.setFont(FontRequest::pixels("ARIAL", 36, 18, 200));
    const int w = surface.textWidth("xxxxxxxxxx");
    EXPECT_NEAR(w, 180, 10);
    surface.setFont(FontRequest::pixels("Terminal", 12, 8, 400, true));
    EXPECT_EQ(surface.textWidth("Vorgegebene Zahlen: "), 160);
}

TEST_F(ImageSurfaceTest, SavedRectangleRoundTripsAndPaintsElsewhere)
{
    surface.clear(kPaper);
    surface.setForeground(kInk);
    surface.line(3, 3, 7, 7);
    const SavedRectangle saved = surface.saveRectangle(2, 2, 8, 8);
    ASSERT_EQ(saved.width(), 7);
    ASSERT_EQ(saved.height(), 7);
    surface.clear(kWhite);
    surface.paintRectangle(saved, 2, 2);
    EXPECT_EQ(surface.pixel(5, 5), kInk);
    EXPECT_EQ(surface.pixel(2, 2), kPaper);
    EXPECT_EQ(surface.pixel(9, 9), kWhite);
    surface.setMixMode(MixMode::Xor); // painting back ignores the mix mode
    surface.paintRectangle(saved, 30, 30);
    EXPECT_EQ(surface.pixel(33, 33), kInk);
    EXPECT_EQ(surface.pixel(30, 30), kPaper);
}

TEST_F(ImageSurfaceTest, RectanglesReachingPastTheEdgeAreClipped)
{
    surface.clear(kPaper);
    surface.setForeground(kInk);
    surface.line(-5, 47, 70, 47);
    EXPECT_EQ(countColour(kInk, 0, 47, 63, 47), 64);
    const SavedRectangle saved = surface.saveRectangle(60, 44, 70, 50);
    surface.clear(kWhite);
    surface.paintRectangle(saved, 60, 44);
    EXPECT_EQ(surface.pixel(63, 47), kInk);
    EXPECT_EQ(surface.pixel(60, 44), kPaper);
    EXPECT_THROW((void)surface.pixel(64, 0), std::out_of_range);
    EXPECT_THROW((void)surface.pixel(0, -1), std::out_of_range);
}

TEST_F(ImageSurfaceTest, ChangesReportTheBoxTheyTouched)
{
    int x = -1, y = -1, w = -1, h = -1;
    surface.setChangeListener([&](int a, int b, int c, int d) { x = a, y = b, w = c, h = d; });
    surface.setLineWidth(2);
    surface.line(10, 20, 30, 20);
    EXPECT_EQ((std::array{x, y, w, h}), (std::array{9, 19, 22, 2}));
}

} // namespace
} // namespace quintaro::platform
