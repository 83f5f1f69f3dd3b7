// The help panel.
#include "ui/help_panel.h"

#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

namespace {

// The longest hint, in characters.
constexpr std::size_t kHintLength = 26;

} // namespace

void drawHelpPanel(Display& display, const std::string& hintText) {
    drawPanel(display, kHelpPanel);
    drawHint(display, hintText);
}

void drawHint(Display& display, const std::string& hintText) {
    platform::Surface& s = display.surface;
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Opaque);
    display.foreground(colour::Black);
    display.background(colour::White);
    selectFont(display, font::Body);
    // Blanks over the tail of a longer hint before it ("Rechte Taste löscht Feld!" is one character
    // shorter than the prompt it replaces).
    std::size_t characters = 0;
    for (const char ch : hintText) characters += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    std::string padded = hintText;
    if (characters < kHintLength) padded.append(kHintLength - characters, ' ');
    s.text(776, 576, padded);
}

} // namespace quintaro
