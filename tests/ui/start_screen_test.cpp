// The composed start screen, probed pixel by pixel: bevels, grids, shared boxes, panels, background.
#include "screen_fixture.h"

#include "ui/bottom_bar.h"
#include "ui/field.h"
#include "ui/help_panel.h"

namespace quintaro {
namespace {

class StartScreenTest : public ScreenFixture {
protected:
    StartScreenTest()
    {
        Display d = display();
        drawBottomBar(d);
        drawField(d, PanelValues{true, 0, 0, " Leicht "});
        drawHelpPanel(d, "Bitte Menupunkt auswählen!");
    }
};

TEST_F(StartScreenTest, BottomBarIsRaisedWithThreeLinesPerEdge)
{
    for (int y : {764, 765, 766})
        EXPECT_EQ(at(500, y), c(colour::White)) << y;
    EXPECT_EQ(at(500, 767), c(colour::Background));
    for (int y : {786, 785, 784})
        EXPECT_EQ(at(500, y), c(colour::DarkGrey)) << y;
    EXPECT_EQ(at(500, 783), c(colour::Background));
    EXPECT_EQ(at(1, 775), c(colour::White));
    EXPECT_EQ(at(1049, 775), c(colour::DarkGrey));
    EXPECT_EQ(at(1048, 775), c(colour::Background));
    EXPECT_GT(count(colour::Black, 8, 766, 140, 782), 30) << "program name";
}

TEST_F(StartScreenTest, RecessesAreSunkenWithTwoLinesPerEdge)
{
    // Button-bar recess (16, 725)-(709, 754).
    EXPECT_EQ(at(300, 725), c(colour::DarkGrey));
    EXPECT_EQ(at(300, 726), c(colour::DarkGrey));
    EXPECT_EQ(at(300, 727), c(colour::Background));
    EXPECT_EQ(at(300, 754), c(colour::White));
    EXPECT_EQ(at(300, 753), c(colour::White));
    EXPECT_EQ(at(300, 752), c(colour::Background));
    EXPECT_EQ(at(17, 740), c(colour::DarkGrey));
    EXPECT_EQ(at(708, 740), c(colour::White));
    // Middle recess (321, 321)-(401, 401), where the cells of no grid lie.
    EXPECT_EQ(at(360, 321), c(colour::DarkGrey));
    EXPECT_EQ(at(360, 401), c(colour::White));
    EXPECT_EQ(at(360, 360), c(colour::Background));
}

TEST_F(StartScreenTest, CrossHasALightAndADarkFrame)
{
    EXPECT_EQ(at(300, 5), c(colour::White));
    EXPECT_EQ(at(300, 6), c(colour::White));
    EXPECT_EQ(at(202, 100), c(colour::White));
    EXPECT_EQ(at(519, 100), c(colour::Black));
    EXPECT_EQ(at(520, 100), c(colour::Black));
    EXPECT_EQ(at(521, 100), c(colour::Background));
    EXPECT_EQ(at(300, 718), c(colour::Black));
    EXPECT_EQ(at(300, 719), c(colour::Black));
    EXPECT_EQ(at(300, 720), c(colour::Background));
}

TEST_F(StartScreenTest, GridsHaveBlackCellLinesAndDarkBlueBoxLines)
{
    EXPECT_EQ(screen.cellWidth, 33);
    EXPECT_EQ(screen.fieldOriginX, 15);
    // Grid 0 at (213, 15): cell line x = 246, box line x = 312 (two pixels wide, 311 and 312).
    EXPECT_EQ(at(246, 30), c(colour::Black));
    EXPECT_EQ(at(230, 30), c(colour::White));
    EXPECT_EQ(at(310, 50), c(colour::White));
    EXPECT_EQ(at(311, 50), c(colour::DarkBlue));
    EXPECT_EQ(at(312, 50), c(colour::DarkBlue));
    EXPECT_EQ(at(313, 50), c(colour::White));
    EXPECT_EQ(at(250, 114), c(colour::DarkBlue));
    EXPECT_EQ(at(250, 113), c(colour::DarkBlue));
    // The outer box line covers the paper's black border.
    EXPECT_EQ(at(212, 50), c(colour::DarkBlue));
    // Grid 1, 2 and 3 in their places.
    EXPECT_EQ(at(48, 230), c(colour::Black));
    EXPECT_EQ(at(444, 230), c(colour::Black));
    EXPECT_EQ(at(246, 600), c(colour::Black));
    EXPECT_EQ(at(708, 450), c(colour::DarkBlue));
    EXPECT_EQ(at(709, 450), c(colour::Background));
}

TEST_F(StartScreenTest, SharedBoxesAreOutlinedInDarkRedOnly)
{
    struct Box { int x1, y1, x2, y2; };
    for (const Box b : {Box{213, 213, 312, 312}, Box{411, 213, 510, 312}, Box{213, 411, 312, 510}, Box{411, 411, 510, 510}}) {
        const int mx = (b.x1 + b.x2) / 2 + 5, my = (b.y1 + b.y2) / 2 + 5;
        for (const auto& [x, y] : {std::pair{b.x1, my}, {b.x1 - 1, my}, {b.x2, my}, {b.x2 - 1, my},
                                  {mx, b.y1}, {mx, b.y1 - 1}, {mx, b.y2}, {mx, b.y2 - 1}})
            EXPECT_EQ(at(x, y), c(colour::DarkRed)) << b.x1 << ',' << b.y1 << " at " << x << ',' << y;
        EXPECT_EQ(at(b.x1 + 1, my), c(colour::White));
    }
    // Box lines between the shared boxes stay blue.
    EXPECT_EQ(at(360, 213), c(colour::DarkBlue));
    EXPECT_EQ(at(213, 360), c(colour::DarkBlue));
    // Cell lines inside a shared box stay black.
    EXPECT_EQ(at(246, 230), c(colour::Black));
}

TEST_F(StartScreenTest, PanelWritingAreasAreWhiteWithABlackOutline)
{
    struct Area { int x1, y1, x2, y2, blankX, blankY; };
    for (const Area a : {Area{738, 244, 1025, 293, 1022, 250}, Area{738, 345, 1025, 394, 760, 360},
                         Area{768, 447, 989, 506, 775, 500}, Area{768, 559, 989, 602, 985, 565},
                         Area{768, 656, 989, 695, 780, 690}}) {
        EXPECT_EQ(at(a.x1, a.y1), c(colour::Black)) << a.x1 << ',' << a.y1;
        EXPECT_EQ(at(a.x2, a.y2), c(colour::Black)) << a.x1 << ',' << a.y1;
        EXPECT_EQ(at(a.x2, (a.y1 + a.y2) / 2), c(colour::Black)) << a.x1 << ',' << a.y1;
        EXPECT_EQ(at(a.blankX, a.blankY), c(colour::White)) << a.x1 << ',' << a.y1;
        // What is left of the sunken frame: its light lower and right edges.
        EXPECT_EQ(at((a.x1 + a.x2) / 2, a.y2 + 1), c(colour::White)) << a.x1 << ',' << a.y1;
        EXPECT_EQ(at(a.x2 + 1, (a.y1 + a.y2) / 2), c(colour::White)) << a.x1 << ',' << a.y1;
    }
    // The statistics panel's raised frame and its rules.
    EXPECT_EQ(at(750, 224), c(colour::White));
    EXPECT_EQ(at(900, 300), c(colour::DarkGrey));
    EXPECT_EQ(at(900, 297), c(colour::Background));
    EXPECT_EQ(at(900, 268), c(colour::Black));
    EXPECT_EQ(at(801, 285), c(colour::Black));
}

TEST_F(StartScreenTest, PanelsCarryTheirTitlesAndTexts)
{
    // Titles in black with a white shadow, between the raised frame and the writing area.
    struct Title { int x1, y1, x2, y2; };
    for (const Title t : {Title{845, 226, 960, 243}, Title{820, 327, 980, 344}, Title{795, 429, 990, 446},
                          Title{820, 541, 950, 558}, Title{822, 638, 950, 655}}) {
        EXPECT_GT(count(colour::Black, t.x1, t.y1, t.x2, t.y2), 40) << t.x1 << ',' << t.y1;
        EXPECT_GT(count(colour::White, t.x1, t.y1, t.x2, t.y2), 40) << t.x1 << ',' << t.y1;
    }
    EXPECT_GT(count(colour::Black, 748, 254, 796, 265), 20) << "Zahlen";
    EXPECT_GT(count(colour::Black, 806, 274, 1018, 285), 9 * 6) << "placeholder counts";
    EXPECT_GT(count(colour::Black, 832, 382, 920, 393), 20) << "Fehler:0/3";
    EXPECT_GT(count(colour::Black, 790, 455, 980, 466), 40) << "Vorgegebene Zahlen";
    EXPECT_GT(count(colour::Black, 816, 468, 980, 503), 100) << "level name";
    EXPECT_GT(count(colour::Black, 776, 576, 985, 587), 60) << "hint";
}

TEST_F(StartScreenTest, BackgroundShowsWhereNothingIsDrawn)
{
    for (const auto& [x, y] : {std::pair{100, 100}, {700, 100}, {1040, 100}, {100, 700}, {720, 740}, {740, 215},
                              {1040, 500}, {620, 620}, {10, 10}})
        EXPECT_EQ(at(x, y), c(colour::Background)) << x << ',' << y;
}

} // namespace
} // namespace quintaro
