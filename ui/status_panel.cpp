// The status panel.
#include "ui/status_panel.h"

#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

void drawStatusPanel(Display& display, const PanelValues& values)
{
    drawPanel(display, kStatusPanel);
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    display.surface.text(832, 382, "Fehler:" + std::to_string(values.errorCount) + "/3");
}

} // namespace quintaro
