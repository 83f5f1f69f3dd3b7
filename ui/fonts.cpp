// Numbered fonts: Arial sizes for symbols and marks, a fixed-pitch body font, named system fonts for titles.
#include "ui/fonts.h"

namespace quintaro {

namespace {

constexpr int kLargeFontThreshold = 16;

platform::FontRequest stockVariablePitchFont() { return platform::FontRequest::points("DejaVu Sans", 8.25); }

} // namespace

platform::FontRequest fontFor(int id) {
    using platform::FontRequest;
    switch (id) {
    case font::CandidateLetters:
        return FontRequest::pixels("ARIAL", 14, 7, 200);
    case font::CandidateDigits:
        return FontRequest::pixels("ARIAL", 14, 8, 200);
    case font::Popup:
        return FontRequest::pixels("ARIAL", 22, 10, 700);
    case font::Body:
        return FontRequest::pixels("Terminal", 12, 8, 400, true);
    // The button captions are laid out on an 8-pixel character grid.
    case font::Accelerator:
        return FontRequest{"Fixedsys", 0, 8, 400, true, 9};
    case font::Symbols:
        return FontRequest::pixels("ARIAL", 36, 18, 200);
    default:
        return FontRequest::points("System", 9.75, 700);
    }
}

void selectFont(Display& display, int id) {
    const bool large = display.largeFontMetric > kLargeFontThreshold;
    platform::FontRequest request = fontFor(id);
    if (id == font::Body && large) {
        request = platform::FontRequest::pixels("ARIAL", 14, 8, 200);
        display.screen.largeFontMode = true;
    } else if (request.pointSize > 0 && large) {
        request = stockVariablePitchFont();
    }
    display.surface.setFont(request);
    display.screen.currentFont = id;
    display.screen.fontCreated = true;
}

} // namespace quintaro
