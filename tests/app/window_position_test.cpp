// Where the main window opens on screens of different sizes.
#include "app/window_position.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(WindowPositionTest, SmallScreenPushesTheWindowPastTheLeftEdgeAndClampsTheTop)
{
    EXPECT_EQ(windowPosition(1024, 768), (platform::WindowGeometry{-14, 0, 1052, 835}));
}

TEST(WindowPositionTest, CommonScreensCentreTheWindowAThirtyTwoPixelsHigh)
{
    EXPECT_EQ(windowPosition(1920, 1080), (platform::WindowGeometry{434, 90, 1052, 835}));
    EXPECT_EQ(windowPosition(1280, 1024), (platform::WindowGeometry{114, 62, 1052, 835}));
}

TEST(WindowPositionTest, HalvesRoundToTheEvenNeighbour)
{
    EXPECT_EQ(windowPosition(1053, 900).x, 0);  // 0.5
    EXPECT_EQ(windowPosition(1055, 900).x, 2);  // 1.5
    EXPECT_EQ(windowPosition(1051, 900).x, 0);  // -0.5
    EXPECT_EQ(windowPosition(1049, 900).x, -2); // -1.5
    EXPECT_EQ(windowPosition(1052, 900).y, 0);  // 0.5
    EXPECT_EQ(windowPosition(1052, 902).y, 2);  // 1.5
    EXPECT_EQ(windowPosition(1052, 835).y, 0);  // -32 raised to 0
}

} // namespace
} // namespace quintaro
