// The status panel and the status check.
#include "ui/status_panel.h"

#include "engine/rules.h"
#include "engine/solution.h"
#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

namespace {

constexpr int kMessageX = 760, kMessageY = 347;
constexpr int kErrorLineX = 832, kErrorLineY = 382;
// "Fehler:" with the largest count and "/3": every error line is padded to this length.
constexpr std::size_t kErrorLineLength = 14;

} // namespace

void drawStatusPanel(Display& display, PanelContext& panels)
{
    drawPanel(display, kStatusPanel);
    updateStatus(display, panels);
}

void updateStatus(Display& display, PanelContext& panels)
{
    Board& b = panels.board;
    PanelState& st = panels.state;
    platform::Surface& s = display.surface;
    syncSharedBoxes(b);
    int colourIndex = colour::Red;
    st.statusText = "Falsche Zahl! ";
    if (!b.noSolution) {
        st.wrongEntry = hasWrongEntry(b);
        if (!st.wrongEntry) {
            if (checkRules(b)) {
                colourIndex = colour::Black;
                st.statusText = "Keine Fehler! ";
            } else {
                panels.listener.ruleBroken();
            }
        }
        st.allSymbolsComplete = allSymbolsComplete(b);
        if (st.allSymbolsComplete && checkRules(b)) {
            colourIndex = colour::Black;
            st.statusText = "Brett gelöst!!! ";
        }
    } else {
        st.statusText = "Nicht lösbar!!!";
    }
    if (!b.silentSolve) {
        selectFont(display, font::Symbols);
        // The messages differ in width in this proportional face: clear the line so that no tail
        // of a longer message stays behind.
        display.foreground(colour::White);
        display.background(colour::White);
        s.setFill(true);
        s.filledRectangle(kMessageX, kMessageY, 1024, kErrorLineY - 1);
        s.setMixMode(platform::MixMode::Copy);
        s.setTextBackground(platform::TextBackground::Opaque);
        display.foreground(colourIndex);
        s.text(kMessageX, kMessageY, st.statusText);
    }
    if (st.statusText.front() == 'B')
        panels.listener.boardSolved();
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    std::string errorLine = "Fehler:" + std::to_string(b.errorCount) + "/3";
    // Blanks over what a longer count left behind ("Fehler:10/3" then "Fehler:0/3").
    if (errorLine.size() < kErrorLineLength)
        errorLine.append(kErrorLineLength - errorLine.size(), ' ');
    s.text(kErrorLineX, kErrorLineY, errorLine);
}

} // namespace quintaro
