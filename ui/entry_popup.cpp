// The symbol chooser.
#include "ui/entry_popup.h"

#include "ui/fonts.h"
#include "ui/symbol_text.h"

namespace quintaro {

CellCorner popupCorner(GridCell cell) {
    const CellCorner corner = cellCorner(cell);
    return {corner.x - 11, corner.y - 11};
}

int popupSquareAt(CellCorner corner, int x, int y) {
    if (x < corner.x || y < corner.y || x >= corner.x + kPopupSize || y >= corner.y + kPopupSize) return 0;
    return 3 * ((y - corner.y) / kPopupSquare) + (x - corner.x) / kPopupSquare + 1;
}

void drawEntryPopup(Display& display, EntryPopup& popup, int c, int r, int g, bool digitMode) {
    platform::Surface& s = display.surface;
    s.setFill(true);
    const CellCorner corner = popupCorner({g, c, r});
    if (!popup.saved) {
        popup.background = s.saveRectangle(corner.x, corner.y, corner.x + kPopupSize, corner.y + kPopupSize);
        popup.x = corner.x;
        popup.y = corner.y;
        popup.saved = true;
    }
    int k = 1;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col, ++k) {
            const int x = corner.x + kPopupSquare * col, y = corner.y + kPopupSquare * row;
            s.setMixMode(platform::MixMode::Copy);
            s.setTextBackground(platform::TextBackground::Opaque);
            display.foreground(colour::Black);
            display.background(k == popup.hoverSymbol ? colour::LightGrey : colour::White);
            s.filledRectangle(x, y, x + kPopupSquare, y + kPopupSquare);
            s.setMixMode(platform::MixMode::Merge);
            s.setTextBackground(platform::TextBackground::Transparent);
            selectFont(display, font::Popup);
            const std::string text = symbolText(k, digitMode);
            s.text(x + (digitMode ? 3 : 2) + (text == "I" ? 4 : 0), y - 1, text);
        }
    }
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Opaque);
}

void restorePopupBackground(Display& display, EntryPopup& popup) {
    if (!popup.saved) return;
    display.surface.paintRectangle(popup.background, popup.x, popup.y);
    popup.background = {};
    popup.saved = false;
}

} // namespace quintaro
