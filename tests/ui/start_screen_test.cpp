// The composed start screen, probed pixel by pixel: bevels, grids, shared boxes, panels, background.
#include "screen_fixture.h"
#include "text_probe.h"

#include "ui/bottom_bar.h"
#include "ui/field.h"
#include "ui/help_panel.h"

namespace quintaro {
namespace {

using namespace colour;

class StartScreenTest : public ScreenFixture {
protected:
    StartScreenTest() {
        Display d = display();
        drawBottomBar(d);
        drawField(d, panels());
        drawHelpPanel(d, "Bitte Menupunkt auswählen!");
    }
};

// The bevels' own lines are the primitives' and the button bar's tests; here their places and widths.
TEST_F(StartScreenTest, RaisedBevelsHaveThreeLinesPerEdgeSunkenTwo) {
    // Bottom bar (0, 764)-(1051, 786), raised; its dark right edge is drawn last.
    expectProbes({{500, 764, White},
                  {500, 766, White},
                  {500, 767, Background},
                  {500, 786, DarkGrey},
                  {2, 775, White},
                  {1051, 764, DarkGrey}});
    // Button-bar recess (16, 725)-(709, 754) and middle recess (321, 321)-(401, 401), sunken.
    expectProbes({{300, 726, DarkGrey},
                  {300, 727, Background},
                  {300, 754, White},
                  {17, 740, DarkGrey},
                  {708, 740, White},
                  {360, 321, DarkGrey},
                  {360, 401, White}});
    // The cross's frame: light above and left, black below and right.
    expectProbes(
        {{300, 5, White}, {202, 100, White}, {520, 100, Black}, {521, 100, Background}, {300, 720, Background}});
}

TEST_F(StartScreenTest, APixelFallsInTheCellWhoseLinesHoldItInTheLowestGridThatHasIt) {
    // Each cell spans 33 pixels from its top-left line; a shared box's cells answer for the lower grid.
    EXPECT_EQ(cellAtPixel(screen, {213, 15}), (GridCell{0, 1, 1}));
    EXPECT_EQ(cellAtPixel(screen, {245, 47}), (GridCell{0, 1, 1}));
    EXPECT_EQ(cellAtPixel(screen, {246, 47}), (GridCell{0, 2, 1}));
    EXPECT_EQ(cellAtPixel(screen, {213, 213}), (GridCell{0, 1, 7}));
    EXPECT_EQ(cellAtPixel(screen, {411 + 32, 411 + 32}), (GridCell{2, 1, 7})); // grid 3 shares it
    EXPECT_EQ(cellAtPixel(screen, {15, 509}), (GridCell{1, 1, 9}));
    EXPECT_EQ(cellAtPixel(screen, {707, 509}), (GridCell{2, 9, 9}));
    // The corners beside the cross, the middle, and off the field.
    for (const Pixel p : {Pixel{100, 100}, Pixel{212, 15}, Pixel{360, 360}, Pixel{708, 300}, Pixel{14, 300},
                          Pixel{-1, 300}, Pixel{300, 708}, Pixel{600, 600}})
        EXPECT_EQ(cellAtPixel(screen, p), std::nullopt) << p.x << ',' << p.y;
    // Every cell of every grid is found from any of its pixels, as its own copy or its shared twin's.
    forEachCell([&](GridCell cell) {
        const FieldPlace place = fieldPlaceOf(cell);
        for (const int d : {0, 16, 32}) {
            const std::optional<GridCell> hit = cellAtPixel(screen, {15 + 33 * place.x + d, 15 + 33 * place.y + d});
            ASSERT_TRUE(hit);
            EXPECT_EQ(fieldPlaceOf(*hit), place);
            EXPECT_LE(hit->grid, cell.grid);
        }
    });
    EXPECT_EQ(cellAtPixel(ScreenState{}, {300, 30}), std::nullopt) << "nothing before the field is laid out";
}

TEST_F(StartScreenTest, GridsHaveBlackCellLinesAndDarkBlueBoxLines) {
    EXPECT_EQ((std::array{screen.fieldOriginX, screen.fieldOriginY, screen.cellWidth}), (std::array{15, 15, 33}));
    // Grid 0 at (213, 15): cell line x = 246, box lines two pixels wide at x = 311-312 and y = 113-114;
    // the outer box line covers the paper's black border.
    expectProbes({{246, 30, Black},
                  {230, 30, White},
                  {310, 50, White},
                  {311, 50, DarkBlue},
                  {312, 50, DarkBlue},
                  {313, 50, White},
                  {250, 113, DarkBlue},
                  {250, 114, DarkBlue},
                  {212, 50, DarkBlue}});
    // Grids 1, 2 and 3 in their places.
    expectProbes(
        {{48, 230, Black}, {444, 230, Black}, {246, 600, Black}, {708, 450, DarkBlue}, {709, 450, Background}});
}

TEST_F(StartScreenTest, SharedBoxesAreOutlinedInDarkRedOnly) {
    for (const Box b :
         {Box{213, 213, 312, 312}, Box{411, 213, 510, 312}, Box{213, 411, 312, 510}, Box{411, 411, 510, 510}}) {
        const int mx = (b.x1 + b.x2) / 2 + 5, my = (b.y1 + b.y2) / 2 + 5;
        expectProbes({{b.x1 - 1, my, DarkRed},
                      {b.x1, my, DarkRed},
                      {b.x1 + 1, my, White},
                      {b.x2 - 1, my, DarkRed},
                      {b.x2, my, DarkRed},
                      {mx, b.y1 - 1, DarkRed},
                      {mx, b.y1, DarkRed},
                      {mx, b.y2 - 1, DarkRed},
                      {mx, b.y2, DarkRed}});
    }
    // Box lines between shared boxes stay blue, cell lines inside them black.
    expectProbes({{360, 213, DarkBlue}, {213, 360, DarkBlue}, {246, 230, Black}});
}

TEST_F(StartScreenTest, PanelsHaveWhiteWritingAreasWithABlackOutlineAndShadowedTitles) {
    struct Area {
        int x1, y1, x2, y2, blankX, blankY;
    };
    for (const Area a :
         {Area{738, 244, 1025, 293, 1022, 250}, Area{738, 345, 1025, 394, 760, 360}, Area{768, 447, 989, 506, 775, 500},
          Area{768, 559, 989, 602, 985, 565}, Area{768, 656, 989, 695, 780, 690}}) {
        const int mx = (a.x1 + a.x2) / 2, my = (a.y1 + a.y2) / 2;
        // What shows of the sunken frame around it: the light lower and right edges.
        expectProbes({{a.x1, a.y1, Black},
                      {a.x2, a.y2, Black},
                      {a.x2, my, Black},
                      {a.blankX, a.blankY, White},
                      {mx, a.y2 + 1, White},
                      {a.x2 + 1, my, White}});
        // The title between the raised frame and the writing area.
        EXPECT_GT(count(Black, mx - 50, a.y1 - 18, mx + 50, a.y1 - 1), 40) << a.x1 << ',' << a.y1;
        EXPECT_GT(count(White, mx - 50, a.y1 - 18, mx + 50, a.y1 - 1), 40) << a.x1 << ',' << a.y1;
    }
    // The statistics panel's raised frame and its rules.
    expectProbes(
        {{750, 224, White}, {900, 300, DarkGrey}, {900, 297, Background}, {900, 268, Black}, {801, 285, Black}});
}

TEST_F(StartScreenTest, PanelsAndBottomBarCarryTheirTextsAndTheBackgroundShowsElsewhere) {
    const std::tuple<Box, int, const char*> texts[] = {
        {{8, 766, 140, 782}, 30, "program name"},  {{806, 274, 1018, 285}, 9 * 6, "placeholder counts"},
        {{832, 382, 920, 393}, 20, "Fehler:0/3"},  {{790, 455, 980, 466}, 40, "Vorgegebene Zahlen"},
        {{816, 468, 980, 503}, 100, "level name"}, {{776, 576, 985, 587}, 60, "hint"}};
    for (const auto& [b, least, what] : texts) EXPECT_GT(count(Black, b.x1, b.y1, b.x2, b.y2), least) << what;
    for (const auto& [x, y] : {std::pair{100, 100},
                               {700, 100},
                               {1040, 100},
                               {100, 700},
                               {720, 740},
                               {740, 215},
                               {1040, 500},
                               {620, 620},
                               {10, 10}})
        EXPECT_EQ(at(x, y), c(Background)) << x << ',' << y;
}

} // namespace
} // namespace quintaro
