// The six buttons under the field: their captions and places, drawing them raised or pressed, and their click zones.
#pragma once

#include "ui/display.h"

#include <array>
#include <optional>
#include <string>

namespace quintaro {

enum class BarButton { Load, Save, Print, Restart, Help, Abort };

struct BarButtonInfo {
    const char* caption; // "_" marks the accelerator letter; the blanks set the button's width
    int left;            // left edge of the frame
    int clickRight;      // last x of the click zone (Abort's stops one pixel left of its frame)
    char key;            // the key that acts like a click
};

constexpr int kButtonBarTop = 727;
constexpr int kButtonClickTop = 726, kButtonClickBottom = 752; // y range of the click zones, inclusive

// Indexed by BarButton.
constexpr std::array<BarButtonInfo, 6> kBarButtons{{
    {"    _Laden    ", 18, 140, 'L'},
    {"   _Sichern   ", 141, 263, 'S'},
    {"  _Drucken  ", 264, 370, 'D'},
    {"  _Neustart  ", 371, 485, 'N'},
    {"   _Hilfe   ", 486, 592, 'H'},
    {"  _Abbruch   ", 593, 706, 'A'},
}};

// A button of 8 * (caption length - 1) + 18 by 25 pixels at (x, y): a bevel of width 2, sunken when
// pressed, in a black outline one pixel further up and left; the caption in font 14, black, with its
// "_" and the letter after it replaced by a blank and the letter drawn over it in dark red.
// A "_" must be followed by a letter. Leaves mix copy, opaque text and black on white, with font 14
// current when the caption has a letter and font 8 when it has none.
void drawButton(Display& display, bool pressed, int x, int y, const std::string& caption);

// One letter whose top-left is 14 pixels above y: dark red when highlighted, teal (6) otherwise, with a
// white copy one pixel to its lower right. Leaves mix copy, opaque text, black on white, fontId current.
void drawAcceleratorLetter(Display& display, bool highlight, int fontId, int x, int y, char letter);

// One button of the bar in its place, raised or pressed.
void drawBarButton(Display& display, BarButton button, bool pressed);

// All six buttons, raised.
void drawButtonBar(Display& display);

// The button whose click zone holds (mouseX, mouseY), if any.
std::optional<BarButton> buttonAt(int mouseX, int mouseY);

} // namespace quintaro
