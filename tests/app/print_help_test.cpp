// Printing the board, the help pages of both help paths, and the about box, through the game's commands.
#include "play_fixture.h"

#include "platform/headless/recording_printer.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace quintaro {
namespace {

using platform::PrintOperation;
using platform::PrintStart;

class PrintHelpTest : public PlayTest {
public:
    template <typename Pred>
    long count(Pred pred) const {
        const auto& ops = platform.lastPrintJob().operations;
        return std::count_if(ops.begin(), ops.end(), pred);
    }
    const PrintOperation* findText(const std::string& text) const {
        for (const PrintOperation& o : platform.lastPrintJob().operations)
            if (o.kind == PrintOperation::Kind::Text && o.text == text) return &o;
        return nullptr;
    }
};

TEST_F(PrintHelpTest, APrintedLeichtPuzzleHasItsHeadingGridsSymbolsAndFooterOnThePage) {
    command(MenuCommand::PrintNewGame);
    const platform::PrintJob& job = platform.lastPrintJob();
    EXPECT_EQ(job.documentName, "Brett drucken");
    EXPECT_TRUE(job.finished);
    EXPECT_EQ(game.play.mode, GameMode::PlayLoop) << "the printed puzzle is then played";
    EXPECT_FALSE(game.play.gameRunning);

    const PrintOperation* heading = findText("QUINTARO");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ((std::pair{heading->x1, heading->y1}), (std::pair{29 * 55, 94}));
    EXPECT_EQ(heading->font, platform::FontRequest::points("ARIAL", 20));
    const PrintOperation* footer = findText("Schwierigkeitsgrad:  Leicht mit 130 Zahlen");
    ASSERT_NE(footer, nullptr) << "a shared given counts once";
    EXPECT_EQ((std::pair{footer->x1, footer->y1}), (std::pair{55, 6439}));
    EXPECT_EQ(footer->font.pointSize, 10);

    using Kind = PrintOperation::Kind;
    // Lines as heavy for a 220-pixel cell as the screen's 1 and 2 pixels are for a 33-pixel one.
    EXPECT_EQ(count([](const PrintOperation& o) {
                  return o.kind == Kind::Rectangle && o.lineWidth == 7 &&
                         std::array{o.x1, o.y1, o.x2, o.y2} == std::array{1375, 470, 1375 + 220, 470 + 282};
              }),
              1)
        << "the first cell of grid 0";
    EXPECT_EQ(count([](const PrintOperation& o) { return o.kind == Kind::Rectangle && o.lineWidth == 14; }), 36);
    // Every filled cell of the field once, a shared one too: nothing is printed twice on one place.
    std::set<std::pair<int, int>> places;
    for (const PrintOperation& o : job.operations)
        if (o.kind == Kind::Text && o.text.size() == 1) {
            EXPECT_TRUE(places.insert({o.x1, o.y1}).second) << o.text;
        }
    const std::array<int, 10>& counts = game.board.symbolCounts;
    EXPECT_EQ(places.size(), std::size_t(std::accumulate(counts.begin() + 1, counts.end(), 0)));
}

TEST_F(PrintHelpTest, ACancelledDialogPrintsAndSaysNothingAndAFailureDropsTheDocument) {
    platform.scriptPrintStart(PrintStart::Cancelled);
    command(MenuCommand::PrintBoard);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(platform.lastPrintJob().operations.empty());

    platform.failPrintingAfter(10);
    command(MenuCommand::PrintBoard);
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Druckerfehler!"});
    EXPECT_TRUE(platform.lastPrintJob().aborted);
    EXPECT_FALSE(platform.lastPrintJob().finished);
    expectIdle("a failed print");
}

TEST_F(PrintHelpTest, HelpOpensTheOverviewFromTheMenuAndTheExplanationFromAGame) {
    command(MenuCommand::Help);
    command(MenuCommand::NewGame);
    key('H', 'h');
    click(486 + 50, 740); // the help button
    click(650, 740);
    EXPECT_EQ(platform.helpPages(), (std::vector<std::string>{"Übersicht.htm", "Erklärung.htm", "Erklärung.htm"}));

    // A page that cannot be shown is named with where it was looked for: missing, or there but unreadable.
    std::filesystem::remove("Übersicht.htm");
    command(MenuCommand::Help);
    command(MenuCommand::NewGame);
    platform.scriptHelpPageResult(false);
    key('H', 'h');
    const std::string folder = std::filesystem::current_path().string();
    EXPECT_EQ(platform.messages(),
              (std::vector<std::string>{
                  "Die Hilfeseite \"Übersicht.htm\" fehlt; gesucht wurde \"" + folder + "/Übersicht.htm\".",
                  "Die Hilfeseite \"" + folder + "/Erklärung.htm\" lässt sich nicht lesen.",
              }));
    click(650, 740);
    // The keyword help shows the same pages and reports nothing.
    game.help.html = false;
    command(MenuCommand::Help);
    EXPECT_EQ(platform.helpPages().back(), "Übersicht.htm");
    EXPECT_EQ(platform.messages().size(), 2u);
}

TEST_F(PrintHelpTest, TheAboutBoxOpensBesideTheMainWindowAndNamesWhereTheGameKeepsTheSettingsAndGames) {
    command(MenuCommand::About);
    ASSERT_EQ(platform.aboutBoxes().size(), 1u);
    const platform::WindowGeometry at = window.geometry();
    EXPECT_EQ((std::pair{platform.aboutBoxes()[0].x, platform.aboutBoxes()[0].y}), (std::pair{at.x + 206, at.y + 188}));
    const std::vector<std::string>& lines = platform.aboutBoxes()[0].lines;
    EXPECT_EQ(lines.front(), "Quintaro V6.0");
    EXPECT_EQ(lines.at(lines.size() - 2), "Einstellungen: " + settingsFolder.settingsFile());
    EXPECT_EQ(lines.back(), "Aufbewahrte Spiele: " + (dir / "spielstand.qsp").string());
    expectIdle("about");
}

} // namespace
} // namespace quintaro
