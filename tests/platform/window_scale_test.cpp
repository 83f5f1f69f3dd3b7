// The scaled client area: its factor and place in a window, device pixel edges, pointer positions mapped
// back to game pixels, the zoom keys' steps.
#include "platform/window_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace quintaro::platform {
namespace {

constexpr int kGameWidth = 1052, kGameHeight = 787;

std::uint32_t testSeed() { return std::random_device{}(); }

TEST(WindowScaleTest, TheAreaFitsTheWindowByOneFactorCentredOnWholeDevicePixels) {
    struct Case {
        int windowWidth, windowHeight;
        double ratio;
        ScaledArea area;
    };
    for (const Case& k : {
             Case{1052, 787, 1, {1, 1, 0, 0, 1052, 787}},
             {2104, 1574, 1, {2, 2, 0, 0, 2104, 1574}},
             {1052, 787, 2, {1, 2, 0, 0, 2104, 1574}},
             {1500, 787, 1, {1, 1, 224, 0, 1052, 787}},     // wider: bands left and right
             {1052, 1000, 1, {1, 1, 0, 106, 1052, 787}},    // taller: bands above and below
             {1052, 787, 1.25, {1, 1.25, 0, 0, 1315, 983}}, // 983.75 device rows: the last one is background
             {526, 787, 1, {0.5, 0.5, 0, 196, 526, 394}},   // the last row's line gets a device pixel of its own
             {0, 0, 1, {1.0 / 64, 1.0 / 64, 0, 0, 17, 13}},
             {1052, 787, -3, {1, 1, 0, 0, 1052, 787}}, // no ratio: taken as 1
         }) {
        const ScaledArea a = fitArea(kGameWidth, kGameHeight, k.windowWidth, k.windowHeight, k.ratio);
        EXPECT_EQ(a, k.area) << k.windowWidth << 'x' << k.windowHeight << " at " << k.ratio << ": " << a.factor << ' '
                             << a.scale << ' ' << a.left << ',' << a.top << ' ' << a.width << 'x' << a.height;
    }
}

TEST(WindowScaleTest, EveryDevicePixelBelongsToTheGamePixelWhoseBlockHoldsItAndBlocksTile) {
    const std::uint32_t seed = testSeed();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> scaleOf(0.5, 8.0);
    std::uniform_int_distribution<int> deviceOf(-40, 9000);
    for (int round = 0; round < 200; ++round) {
        // Whole and half ratios too, where the edges land exactly on whole numbers.
        const double scale = round % 4 == 0 ? 0.5 + round % 16 * 0.5 : scaleOf(random);
        for (int i = 0; i < 50; ++i) {
            const int d = deviceOf(random);
            const int v = gamePixelAt(d, scale);
            ASSERT_LE(deviceEdge(v, scale), d) << scale << ' ' << d;
            ASSERT_LT(d, deviceEdge(v + 1, scale)) << scale << ' ' << d;
        }
        // From 1 up blocks are one or two sizes and never empty; below 1 a line still gets its pixel.
        for (int v = 0; v < 100; ++v) {
            const int size = deviceEdge(v + 1, scale) - deviceEdge(v, scale);
            ASSERT_LE(size, int(scale) + 1) << scale << ' ' << v;
            ASSERT_GE(size, scale < 1 ? 0 : int(scale)) << scale << ' ' << v;
            ASSERT_GE(deviceEnd(v, scale) - deviceEdge(v, scale), 1) << scale << ' ' << v;
        }
    }
}

// The middle of every pixel is the random test below; here the edges of the area and the bands around it.
TEST(WindowScaleTest, PointerPositionsMapBackToTheGamePixelAndTheBandsAroundLieOutside) {
    const ScaledArea twice = fitArea(kGameWidth, kGameHeight, 2104, 1574, 1);
    const GamePoint last = gamePointAt(twice, 2103.9, 1573.9, 1, kGameWidth, kGameHeight);
    EXPECT_EQ((std::array{last.x, last.y, int(last.inside)}), (std::array{1051, 786, 1}));
    // A window wider than the area: the band on the left and right is no game pixel.
    const ScaledArea banded = fitArea(kGameWidth, kGameHeight, 1500, 787, 1);
    EXPECT_FALSE(gamePointAt(banded, 223.9, 10, 1, kGameWidth, kGameHeight).inside);
    EXPECT_EQ(gamePointAt(banded, 224, 10, 1, kGameWidth, kGameHeight).x, 0);
    EXPECT_FALSE(gamePointAt(banded, 1276, 10, 1, kGameWidth, kGameHeight).inside);
    EXPECT_FALSE(gamePointAt(banded, 300, -0.5, 1, kGameWidth, kGameHeight).inside);
    EXPECT_FALSE(gamePointAt(banded, std::nan(""), 10, 1, kGameWidth, kGameHeight).inside);
}

TEST(WindowScaleTest, TheMiddleOfEveryGamePixelMapsBackToItAtAnySizeAndRatio) {
    const std::uint32_t seed = testSeed();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> widthOf(300, 5000), heightOf(200, 4000), xOf(0, kGameWidth - 1),
        yOf(0, kGameHeight - 1);
    for (int round = 0; round < 300; ++round) {
        const double ratio = std::array{1.0, 1.25, 1.5, 2.0, 3.0}[std::size_t(round % 5)];
        const ScaledArea a = fitArea(kGameWidth, kGameHeight, widthOf(random), heightOf(random), ratio);
        if (a.scale < 1) continue; // below 1 game pixels share device pixels
        for (int i = 0; i < 20; ++i) {
            const int x = xOf(random), y = yOf(random);
            // The middle of the pixel's block, in logical pixels, as the pointer reports it.
            const double px = (a.left + (deviceEdge(x, a.scale) + deviceEdge(x + 1, a.scale)) / 2.0) / ratio;
            const double py = (a.top + (deviceEdge(y, a.scale) + deviceEdge(y + 1, a.scale)) / 2.0) / ratio;
            const GamePoint p = gamePointAt(a, px, py, ratio, kGameWidth, kGameHeight);
            ASSERT_TRUE(p.inside && p.x == x && p.y == y) << "factor " << a.factor << " ratio " << ratio << " pixel "
                                                          << x << ',' << y << " got " << p.x << ',' << p.y;
        }
    }
}

TEST(WindowScaleTest, ZoomStepsAreQuartersWithinWhatTheScreenHoldsAndWindowSizesGiveTheFactorBack) {
    EXPECT_EQ(zoomedIn(1, 3), 1.25);
    EXPECT_EQ(zoomedIn(720.0 / 787, 3), 1);
    EXPECT_EQ(zoomedIn(1.75, 1.9), 1.9); // the last step up to what fits
    EXPECT_EQ(zoomedIn(2, 1.5), 2);      // a window larger than the screen is not made smaller
    EXPECT_EQ(zoomedIn(0.25, 0.3), 0.5); // half size is always allowed
    EXPECT_EQ(zoomedOut(1), 0.75);
    EXPECT_EQ(zoomedOut(720.0 / 787), 0.75);
    EXPECT_EQ(zoomedOut(0.5), 0.5);
    EXPECT_EQ(zoomedOut(0.3), 0.3);
    for (int quarters = 2; quarters <= 16; ++quarters) {
        const double factor = quarters / 4.0;
        const int w = windowSizeFor(kGameWidth, factor), h = windowSizeFor(kGameHeight, factor);
        EXPECT_EQ(fitArea(kGameWidth, kGameHeight, w, h, 1).factor, factor) << factor;
    }
    EXPECT_EQ(windowSizeFor(787, 1.25), 984);
    EXPECT_EQ(windowSizeFor(787, 720.0 / 787), 720);
}

} // namespace
} // namespace quintaro::platform
