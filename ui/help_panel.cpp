// The help panel.
#include "ui/help_panel.h"

#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

void drawHelpPanel(Display& display, const std::string& hintText)
{
    drawPanel(display, kHelpPanel);
    drawHint(display, hintText);
}

void drawHint(Display& display, const std::string& hintText)
{
    platform::Surface& s = display.surface;
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Opaque);
    display.foreground(colour::Black);
    display.background(colour::White);
    selectFont(display, font::Body);
    s.text(776, 576, hintText);
}

} // namespace quintaro
