// Numbered fonts: Arial sizes for symbols and marks, a fixed-pitch body font, named system fonts for titles.
#include "ui/fonts.h"

namespace quintaro {

namespace {

constexpr int kLargeFontThreshold = 16;

platform::FontSpec stockVariablePitchFont() { return platform::FontSpec::points("DejaVu Sans", 8.25); }

} // namespace

platform::FontSpec fontFor(int id)
{
    using platform::FontSpec;
    switch (id) {
    case font::CandidateLetters: return FontSpec::pixels("ARIAL", 14, 7, 200);
    case font::CandidateDigits: return FontSpec::pixels("ARIAL", 14, 8, 200);
    case font::Popup: return FontSpec::pixels("ARIAL", 22, 10, 700);
    case font::Body: return FontSpec::pixels("Terminal", 12, 8, 400, true);
    case font::Accelerator: return FontSpec::points("Fixedsys", 9);
    case font::Symbols: return FontSpec::pixels("ARIAL", 36, 18, 200);
    default: return FontSpec::points("System", 9.75, 700);
    }
}

void selectFont(Display& display, int id)
{
    const bool large = display.largeFontMetric > kLargeFontThreshold;
    platform::FontSpec spec = fontFor(id);
    if (id == font::Body && large) {
        spec = platform::FontSpec::pixels("ARIAL", 14, 8, 200);
        display.screen.largeFontMode = true;
    } else if (spec.pointSize > 0 && large) {
        spec = stockVariablePitchFont();
    }
    display.surface.setFont(spec);
    display.screen.currentFont = id;
    display.screen.fontCreated = true;
}

} // namespace quintaro
