// The numbered fonts of the screen and selectFont, which makes one of them current.
#pragma once

#include "platform/font_request.h"
#include "ui/display.h"

namespace quintaro {

// Font ids with a meaning of their own; any other id selects the named "System" font (16 is used).
namespace font {
constexpr int CandidateLetters = 4, CandidateDigits = 5, Popup = 6, Body = 8, Accelerator = 14, Titles = 16,
              Symbols = 20;
} // namespace font

// The font id stands for, before any large-font fallback.
platform::FontRequest fontFor(int id);

// Makes font id current on the surface. With large system fonts (metric above 16) the named fonts
// give way to the stock variable-pitch font, and font 8 to Arial 14/8/200, which sets largeFontMode.
void selectFont(Display& display, int id);

} // namespace quintaro
