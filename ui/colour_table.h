// The program's sixteen colours; every drawing names its colours by index into this table.
#pragma once

#include "platform/rgb.h"

#include <array>

namespace quintaro {

using ColourTable = std::array<platform::Rgb, 16>;

// Index 12 is the window background; 3 and 11 are the same yellow.
constexpr ColourTable kProgramColours{{
    {0, 0, 0},
    {208, 0, 0},
    {0, 128, 0},
    {255, 255, 0},
    {0, 0, 188},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {64, 64, 64},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {180, 201, 208},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// Colour indices the screen routines use by name.
namespace colour {
constexpr int Black = 0, DarkRed = 1, DarkBlue = 4, LightGrey = 7, DarkGrey = 8, Red = 9, Background = 12, White = 15;
} // namespace colour

} // namespace quintaro
