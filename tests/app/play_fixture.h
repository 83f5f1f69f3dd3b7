// Games played through their events on the headless platform, one in a working folder with the collections.
#pragma once

#include "game_fixture.h"
#include "storage/file_bytes.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <unistd.h>

namespace quintaro {

using test::fileBytes;

// A game on a headless platform of its own, played through its events; start() runs its start-up.
class GameDriver {
public:
    using Cell = std::tuple<int, int, int>; // column, row, grid

    explicit GameDriver(std::uint64_t seed) : platform(seed, {1280, 1024}) { platform.setEventHandler(&game); }
    void start() { game.startUp(); }

    void deliver(const platform::Event& e) {
        platform.inject(e);
        platform.deliverPending();
    }
    void command(MenuCommand c) { deliver(menuEvent(c)); }
    // A key pressed and released: its character (0: none) between, as the toolkit reports it.
    void key(int virtualKey, int character = 0) {
        platform.inject(platform::Event::keyPressed(virtualKey));
        if (character != 0) platform.inject(platform::Event::character(character));
        platform.inject(platform::Event::keyReleased(virtualKey));
        platform.deliverPending();
    }
    void click(int x, int y, platform::MouseButton b = platform::MouseButton::Left) {
        platform.click(b, x, y);
        platform.deliverPending();
    }
    // The centre of cell (c, r) of grid g.
    static std::pair<int, int> centre(int c, int r, int g) {
        return {gridOrigin(g).x + 33 * (c - 1) + 16, gridOrigin(g).y + 33 * (r - 1) + 16};
    }
    void clickCell(int c, int r, int g, platform::MouseButton b = platform::MouseButton::Left) {
        const auto [x, y] = centre(c, r, g);
        click(x, y, b);
    }
    void clickCell(Cell k, platform::MouseButton b = platform::MouseButton::Left) {
        clickCell(std::get<0>(k), std::get<1>(k), std::get<2>(k), b);
    }
    // Clicks the cell and types the character: a symbol entered with the keyboard.
    void type(Cell k, int character) {
        clickCell(k);
        deliver(platform::Event::character(character));
    }
    void type(int c, int r, int g, int character) { type(Cell{c, r, g}, character); }
    // The first cell of grid g that is not a given, outside the shared boxes unless allowed.
    Cell openCell(int g, int skip = 0) const {
        for (int c = 4; c <= 6; ++c)
            for (int r = 1; r <= 9; ++r)
                if (cellAt(game.board.givens, c, r, g) == 0 && skip-- == 0) return {c, r, g};
        return {0, 0, g};
    }
    // Enters the right symbol into every empty cell of the field but the last, which it returns.
    Cell fillAllButOne() {
        std::vector<Cell> open;
        for (int g = 0; g < 4; ++g)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    if (cellAt(game.board.board, c, r, g) == 0) open.push_back({c, r, g});
        for (std::size_t i = 0; i + 1 < open.size(); ++i) type(open[i], '0' + solutionAt(open[i]));
        return open.back();
    }
    int at(const CellLayer& layer, Cell k) const {
        return std::apply([&](int c, int r, int g) { return cellAt(layer, c, r, g); }, k);
    }
    int solutionAt(Cell k) const { return at(game.board.solution, k); }
    int boardAt(Cell k) const { return at(game.board.board, k); }
    // hint: the help panel's text; the own-board loop leaves the puzzle's grade there.
    void expectIdle(const std::string& after, const std::string& hint = "Bitte Menupunkt auswählen!") const {
        EXPECT_EQ(game.play.mode, GameMode::Idle) << after;
        EXPECT_TRUE(window.menuBarEnabled()) << after;
        EXPECT_EQ(game.view.hintText, hint) << after;
        for (int level = 0; level < 4; ++level)
            EXPECT_EQ(menuChecked(window, levelCommand(level)), level == game.choices.level) << after;
        const PlayerChoices& s = game.choices;
        using enum MenuCommand;
        EXPECT_EQ((std::array{menuChecked(window, Digits), menuChecked(window, Letters),
                              menuChecked(window, ShowCandidates), menuChecked(window, PuzzleSymmetry)}),
                  (std::array{s.digitMode, !s.digitMode, s.showCandidates, s.puzzleSymmetry}))
            << after;
    }

    // A new timed game at timer 1000, solved by the last entry `seconds` later.
    void solveTimedGame(double seconds) {
        if (game.play.mode != GameMode::Idle) click(650, 740); // Abbruch
        platform.setTime(1000.0);
        command(MenuCommand::NewGame);
        const Cell last = fillAllButOne();
        platform.setTime(1000.0 + seconds);
        type(last, '0' + solutionAt(last));
    }

    platform::HeadlessPlatform platform;
    Game game{platform};
    platform::HeadlessMainWindow& window = platform.window();
};

// A game in a working folder of its own holding the collections and help pages.
class PlayTest : public ::testing::Test, public GameDriver {
public:
    PlayTest() : GameDriver(7) {
        namespace fs = std::filesystem;
        fs::remove_all(dir);
        fs::create_directories(dir);
        const char* bin = std::getenv("QUINTARO_BIN");
        const fs::path data = bin ? fs::path(bin) : fs::current_path();
        for (const char* name :
             {"leicht.qbr", "mittel.qbr", "schwer.qbr", "extrem.qbr", "Übersicht.htm", "Erklärung.htm"})
            fs::copy_file(data / name, dir / name);
        fs::current_path(dir);
        start();
    }
    ~PlayTest() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }

    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quintaro-play-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    PrivateSettingsFolder settingsFolder;
};

} // namespace quintaro
