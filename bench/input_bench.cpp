// Speed of the input path on the headless platform: a click opening the chooser, a typed symbol drawn and judged,
// a new game.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "app/game.h"
#include "platform/headless/headless_platform.h"
#include "ui/field.h"

namespace quintaro {
namespace {

// A player's cell of the running game: where to click it and the symbol that belongs there.
struct FreeCell {
    double x = 0, y = 0;
    int symbol = 0;
};

// A timed game of the level set at start-up, in its play loop as the player finds it after the
// command. Needs the collections in the working directory: run from the build folder.
struct RunningGame {
    RunningGame() {
        platform.setEventHandler(&game);
        game.startUp();
        platform.inject(platform::Event::menu(menuId(MenuCommand::NewGame)));
        platform.deliverPending();
    }

    bool playing() const { return game.play.mode == GameMode::PlayLoop && game.play.gameRunning; }

    // Every empty cell of every grid that takes a symbol, in grid, column, row order; a cell of a
    // shared box comes once for each grid it belongs to. Empty when a cell has no known solution.
    std::vector<FreeCell> freeCells() const {
        std::vector<FreeCell> cells;
        for (int g = 0; g < kGridCount; ++g) {
            for (int c = 1; c <= 9; ++c) {
                for (int r = 1; r <= 9; ++r) {
                    if (cellAt(game.board.givens, c, r, g) != 0 || cellAt(game.board.board, c, r, g) != 0) continue;
                    const int symbol = cellAt(game.board.solution, c, r, g);
                    if (symbol == 0) return {};
                    cells.push_back({double(gridOrigin(g).x + kCellSize * (c - 1) + kCellSize / 2),
                                     double(gridOrigin(g).y + kCellSize * (r - 1) + kCellSize / 2), symbol});
                }
            }
        }
        return cells;
    }

    void click(platform::MouseButton button, const FreeCell& cell) {
        platform.click(button, cell.x, cell.y);
        platform.deliverPending();
    }

    void type(int code) {
        platform.inject(platform::Event::character(code));
        platform.deliverPending();
    }

    platform::HeadlessPlatform platform{1, {1280, 1024}};
    Game game{platform};
};

// The game and its free cells, or a skip with the reason when there is no game to play.
bool setUp(benchmark::State& state, const RunningGame& running, std::vector<FreeCell>& cells) {
    if (!running.playing()) {
        state.SkipWithError("no timed game started: run from the build folder, which holds leicht.qbr");
        return false;
    }
    cells = running.freeCells();
    if (cells.empty()) {
        state.SkipWithError("the new game has no free cell with a known solution");
        return false;
    }
    return true;
}

// A left click on an empty cell until the chooser stands drawn over it. Escape closes it untimed;
// the cell stays empty. The clicks walk through all free cells of the four grids.
void BM_InputClickOpensChooser(benchmark::State& state) {
    RunningGame running;
    std::vector<FreeCell> cells;
    if (!setUp(state, running, cells)) return;
    std::size_t i = 0;
    for (auto _ : state) {
        running.click(platform::MouseButton::Left, cells[i]);
        state.PauseTiming();
        if (!running.game.play.entry.active) {
            state.SkipWithError("the click opened no chooser");
            break;
        }
        running.type(platform::CharacterCode::Escape);
        i = (i + 1) % cells.size();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InputClickOpensChooser)->Unit(benchmark::kMicrosecond);

// The right symbol typed into the open chooser until the cell is drawn, judged and the panels have
// recounted. Opening the chooser before and emptying the cell after (right click) are untimed.
void BM_InputTypedSymbol(benchmark::State& state) {
    RunningGame running;
    std::vector<FreeCell> cells;
    if (!setUp(state, running, cells)) return;
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        running.click(platform::MouseButton::Left, cells[i]);
        state.ResumeTiming();
        running.type('0' + cells[i].symbol);
        state.PauseTiming();
        if (running.game.play.entry.active || running.game.board.errorCount != 0) {
            state.SkipWithError("the symbol was not taken as the right one");
            break;
        }
        running.click(platform::MouseButton::Right, cells[i]);
        i = (i + 1) % cells.size();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InputTypedSymbol)->Unit(benchmark::kMicrosecond);

// "Neues Spiel" of level Extrem from the menu event until the play loop stands drawn and timed: with a
// fresh puzzle made ahead (argument 1) or, the option off, a record of extrem.qbr (0). Leaving the
// loop and making the next puzzle are untimed.
void BM_NewGameCommand(benchmark::State& state) {
    const bool fresh = state.range(0) != 0;
    platform::HeadlessPlatform platform{1, {1280, 1024}};
    Game game{platform};
    platform.setEventHandler(&game);
    game.startUp();
    game.choices.freshPuzzles = fresh;
    platform.inject(platform::Event::menu(menuId(MenuCommand::LevelExtreme)));
    platform.deliverPending();
    for (auto _ : state) {
        state.PauseTiming();
        // Idle here, so the clock bodies among them end at once; the headless worker runs only when asked.
        platform.runStartedThreads();
        platform.inject(platform::Event::menu(menuId(MenuCommand::NewGame)));
        state.ResumeTiming();
        platform.deliverPending();
        state.PauseTiming();
        if (game.play.mode != GameMode::PlayLoop || game.play.puzzle.has_value() != fresh) {
            state.SkipWithError(fresh ? "no fresh puzzle was played" : "no collection record was played");
            break;
        }
        platform.click(platform::MouseButton::Left, 650, 740); // "Abbruch"
        platform.deliverPending();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewGameCommand)->Arg(0)->Arg(1)->Iterations(50)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro
