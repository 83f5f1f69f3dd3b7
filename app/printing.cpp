// Printing the board on one page: heading, the four grids with their symbols, and a footer.
#include "app/printing.h"

#include "engine/grid_cell.h"
#include "engine/rules.h"
#include "engine/solution.h"
#include "storage/print_layout.h"
#include "ui/symbol_text.h"

namespace quintaro {

namespace {

constexpr const char* kPrinterError = "Druckerfehler!";

void drawPage(platform::Surface& s, const PrintLayout& p, const Board& b, bool digitMode, const std::string& footer) {
    s.setForeground({0, 0, 0});
    s.setBackground({255, 255, 255});
    s.setMixMode(platform::MixMode::Copy);
    s.setTextBackground(platform::TextBackground::Transparent);
    s.setFill(false);
    s.setFont(platform::FontRequest::points("ARIAL", 20));
    s.text(p.heading.x, p.heading.y, "QUINTARO");

    const auto outlines = [&](int width, int step) {
        s.setLineWidth(width);
        for (const PagePoint corner : p.gridCorner)
            for (int r = 0; r < 9; r += step)
                for (int c = 0; c < 9; c += step)
                    s.rectangle(corner.x + c * p.cellWidth, corner.y + r * p.cellHeight,
                                corner.x + (c + step) * p.cellWidth, corner.y + (r + step) * p.cellHeight);
    };
    outlines(p.cellLineWidth, 1); // cells
    outlines(p.boxLineWidth, 3);  // boxes

    s.setLineWidth(1);
    forEachCell([&](GridCell cell) {
        const auto [g, c, r] = cell;
        // A shared cell is printed from its master copy only: a symbol printed twice on one place
        // comes out bold.
        int tc = 0, tr = 0, tg = 0;
        if (sharedTwin(c, r, g, tc, tr, tg) && tg < g) return;
        if (const int symbol = cellAt(b.board, c, r, g); symbol != 0) {
            const std::string text = symbolText(symbol, digitMode);
            const PagePoint at = printedSymbolAt(p, g, c, r, text, digitMode);
            s.text(at.x, at.y, text);
        }
    });

    s.setFont(platform::FontRequest::points("ARIAL", 10));
    s.text(p.footer.x, p.footer.y, footer);
}

} // namespace

void printBoard(platform::Platform& platform, Board& board, bool digitMode, const std::string& levelName,
                const std::string& puzzleName, int& givenCount) {
    platform::PrintStart start = platform::PrintStart::Failed;
    std::unique_ptr<platform::Printer> printer = platform.startPrinting("Brett drucken", start);
    // A cancelled print dialog is the player's choice: nothing to print, nothing to report.
    if (start != platform::PrintStart::Cancelled) {
        bool printed = false;
        if (printer) {
            const PrintLayout layout = printLayout(printer->pageWidth(), printer->pageHeight());
            givenCount = countGivenCells(board);
            drawPage(printer->page(), layout, board, digitMode, printFooter(levelName, givenCount, puzzleName));
            printed = !printer->failed() && printer->finish();
            // A failed document is dropped, not left half open.
            if (!printed) printer->abort();
        }
        if (!printed) platform.messageBox(kPrinterError);
    }
    platform.restoreFocus();
}

} // namespace quintaro
