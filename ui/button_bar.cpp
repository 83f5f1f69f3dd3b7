// The button bar: bevelled buttons with shadowed captions and a dark-red accelerator letter.
#include "ui/button_bar.h"

#include "ui/fonts.h"
#include "ui/primitives.h"

namespace quintaro {

namespace {

constexpr int kPlainLetterColour = 6;

void resetPen(Display& display) {
    display.surface.setMixMode(platform::MixMode::Copy);
    display.surface.setTextBackground(platform::TextBackground::Opaque);
    display.foreground(colour::Black);
    display.background(colour::White);
}

// With large system fonts font 14 is the proportional stock font, so a blank no longer lies
// 8 pixels per character in; these shifts put each bar letter back over its blank.
int largeFontLetterShift(char letter) {
    switch (letter) {
    case 'L':
        return 6;
    case 'S':
    case 'H':
        return 9;
    case 'D':
    case 'N':
    case 'A':
        return 13;
    default:
        return 0;
    }
}

} // namespace

void drawButton(Display& display, bool pressed, int x, int y, const std::string& caption) {
    const bool large = display.screen.largeFontMode;
    const int right = x + 8 * (int(caption.size()) - 1) + 18, bottom = y + 25;
    drawBevel(display, pressed, 2, x, y, right, bottom);
    display.surface.rectangle(x - 1, y - 1, right, bottom);

    const std::size_t mark = caption.find('_');
    const bool hasLetter = mark != std::string::npos;
    const int tx = x + (hasLetter ? 10 : 6) - (large ? 8 : 0);
    const std::string text = hasLetter ? caption.substr(0, mark) + ' ' + caption.substr(mark + 2) : caption;
    drawShadowText(display, font::Accelerator, colour::Black, tx, y + 20, text);
    if (hasLetter) {
        const char letter = caption[mark + 1];
        const int lx = tx + 8 * int(mark) - (mark == 0 ? 1 : 0) + (large ? largeFontLetterShift(letter) : 0);
        drawAcceleratorLetter(display, true, font::Accelerator, lx, y + 20, letter);
    }
    resetPen(display);
}

void drawAcceleratorLetter(Display& display, bool highlight, int fontId, int x, int y, char letter) {
    selectFont(display, fontId);
    drawTextWithShadow(display, highlight ? colour::DarkRed : kPlainLetterColour, x, y - 14, std::string(1, letter));
    resetPen(display);
}

void drawBarButton(Display& display, BarButton button, bool pressed) {
    const BarButtonInfo& b = kBarButtons[std::size_t(button)];
    drawButton(display, pressed, b.left, kButtonBarTop, b.caption);
}

void drawButtonBar(Display& display) {
    for (std::size_t i = 0; i < kBarButtons.size(); ++i) drawBarButton(display, BarButton(i), false);
}

std::optional<BarButton> buttonAt(int mouseX, int mouseY) {
    if (mouseY < kButtonClickTop || mouseY > kButtonClickBottom) return std::nullopt;
    for (std::size_t i = 0; i < kBarButtons.size(); ++i)
        if (mouseX >= kBarButtons[i].left && mouseX <= kBarButtons[i].clickRight) return BarButton(i);
    return std::nullopt;
}

} // namespace quintaro
