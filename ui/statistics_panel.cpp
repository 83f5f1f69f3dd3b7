// The statistics panel's labels and grid lines.
#include "ui/statistics_panel.h"

#include "ui/panel.h"
#include "ui/status_panel.h"

namespace quintaro {

void drawStatisticsPanel(Display& display, const PanelValues& values)
{
    platform::Surface& s = display.surface;
    drawPanel(display, kStatisticsPanel);
    s.text(748, 254, values.digitMode ? "Zahlen" : "Ziffer");
    s.text(748, 274, "Anzahl");
    const bool large = display.screen.largeFontMode;
    int x = 808;
    for (int i = 1; i <= 9; ++i) {
        if (values.digitMode) {
            s.text(large ? x : x + 8, 254, std::string(1, char('0' + i)));
            s.text(x, 274, " 0");
        } else {
            const std::string letter(1, char('A' + i - 1));
            const int lx = !large ? x + 8 : letter == "I" ? x + 4 : x;
            s.text(lx, 254, letter);
        }
        x += i < 9 ? 24 : 16;
    }
    display.foreground(colour::Black);
    s.setLineWidth(1);
    s.line(744, 268, 1020, 268);
    s.line(801, 250, 801, 289);
    drawStatusPanel(display, values);
}

} // namespace quintaro
