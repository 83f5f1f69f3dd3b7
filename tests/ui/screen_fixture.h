// A client-area surface of the main window with the program's colours, for drawing tests.
#pragma once

#include "platform/headless/headless_platform.h"
#include "platform/image_surface.h"
#include "platform/rgb_printer.h"
#include "ui/display.h"
#include "ui/panel_context.h"

#include <gtest/gtest.h>

namespace quintaro {

// One expected colour index at one pixel.
struct Probe {
    int x, y, colour;
};

class ScreenFixture : public ::testing::Test {
protected:
    ScreenFixture() { surface.clear(kProgramColours[colour::Background]); }

    Display display(int largeFontMetric = 16) { return Display{surface, kProgramColours, screen, largeFontMetric}; }
    PanelContext panels(bool digitMode = true) { return PanelContext{board, panelState, digitMode, " Leicht "}; }
    platform::Rgb at(int x, int y) const { return surface.pixel(x, y); }
    static platform::Rgb c(int index) { return kProgramColours[std::size_t(index)]; }

    void expectProbes(std::initializer_list<Probe> probes) const {
        for (const Probe& p : probes) EXPECT_EQ(at(p.x, p.y), c(p.colour)) << "at " << p.x << ',' << p.y;
    }

    int count(int colourIndex, int x1, int y1, int x2, int y2) const {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += surface.pixel(x, y) == c(colourIndex);
        return n;
    }

    platform::HeadlessPlatform platform; // the GUI application that text needs
    platform::ImageSurface surface{1052, 787};
    ScreenState screen;
    Board board;
    PanelState panelState;
};

} // namespace quintaro
