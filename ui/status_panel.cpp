// The status panel: the verdict's message and the error line.
#include "ui/status_panel.h"

#include "ui/fonts.h"
#include "ui/panel.h"

namespace quintaro {

namespace {

constexpr int kMessageX = 760, kMessageY = 347;
constexpr int kErrorLineX = 832, kErrorLineY = 382;
// "Fehler:" with the largest count and "/3": every error line is padded to this length.
constexpr std::size_t kErrorLineLength = 14;

} // namespace

std::string statusMessage(BoardStatus status) {
    switch (status) {
    case BoardStatus::NotSolvable:
        return "Nicht lösbar!!!";
    case BoardStatus::Solved:
        return "Brett gelöst!!! ";
    case BoardStatus::WrongEntry:
    case BoardStatus::RuleBroken:
        return "Falsche Zahl! ";
    case BoardStatus::NoErrors:
        break;
    }
    return "Keine Fehler! ";
}

void drawStatusPanel(Display& display, BoardStatus status, int errorCount) {
    drawPanel(display, kStatusPanel);
    drawStatus(display, status, errorCount);
}

void drawStatus(Display& display, BoardStatus status, int errorCount) {
    platform::Surface& s = display.surface;
    const bool fine = status == BoardStatus::Solved || status == BoardStatus::NoErrors;
    selectFont(display, font::Symbols);
    // The messages differ in width in this proportional face: clear the line so that no tail
    // of a longer message stays behind.
    display.foreground(colour::White);
    display.background(colour::White);
    s.setFill(true);
    s.filledRectangle(kMessageX, kMessageY, 1024, kErrorLineY - 1);
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Opaque);
    display.foreground(fine ? colour::Black : colour::Red);
    s.text(kMessageX, kMessageY, statusMessage(status));
    selectFont(display, font::Body);
    display.foreground(colour::Black);
    display.background(colour::White);
    std::string errorLine = "Fehler:" + std::to_string(errorCount) + "/3";
    // Blanks over what a longer count left behind ("Fehler:10/3" then "Fehler:0/3").
    if (errorLine.size() < kErrorLineLength) errorLine.append(kErrorLineLength - errorLine.size(), ' ');
    s.text(kErrorLineX, kErrorLineY, errorLine);
}

} // namespace quintaro
