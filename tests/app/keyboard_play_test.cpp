// Keyboard play and undo: the cursor's walk and frame, a game played by keys alone, steps taken back and done again.
#include "play_fixture.h"

#include <deque>
#include <map>

namespace quintaro {
namespace {

using platform::Event;
namespace CharacterCode = platform::CharacterCode;
namespace VK = platform::VirtualKey;
namespace Mod = platform::Modifier;

constexpr int kArrows[] = {VK::Left, VK::Right, VK::Up, VK::Down};
constexpr FieldPlace kSteps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

class KeyboardPlayTest : public PlayTest {
public:
    FieldPlace cursorAt() const { return game.view.cursor.place; }
    void chord(int vk, int modifiers) { deliver(Event::keyPressed(vk, modifiers)); }
    // Arrow keys along a shortest way to the place (the cursor's frame already showing).
    void walkTo(FieldPlace target) {
        for (int guard = 0; cursorAt() != target; ++guard) {
            ASSERT_LT(guard, 60) << "no way to " << target.x << ',' << target.y;
            key(kArrows[firstStep(cursorAt(), target)]);
        }
    }
    // The arrow (index into kArrows) that starts a shortest way from one place to another.
    static int firstStep(FieldPlace from, FieldPlace to) {
        std::map<std::pair<int, int>, int> first{{{from.x, from.y}, -1}};
        for (std::deque<FieldPlace> open{from}; !open.empty(); open.pop_front())
            for (int k = 0; k < 4; ++k) {
                const FieldPlace p = open.front(), q = stepCursor(p, kSteps[k].x, kSteps[k].y);
                const int via = p == from ? k : first[{p.x, p.y}];
                if (q == to) return via;
                if (first.emplace(std::pair{q.x, q.y}, via).second) open.push_back(q);
            }
        return 0;
    }
};

TEST(KeyboardCursor, StepsOverTheMiddleAndFromPlacesOfNoGrid) {
    struct Case {
        FieldPlace from;
        int dx, dy;
        FieldPlace to;
    };
    const Case cases[] = {
        {{8, 10}, 1, 0, {12, 10}}, {{12, 10}, -1, 0, {8, 10}}, {{10, 8}, 0, 1, {10, 12}},
        {{3, 3}, 1, 0, {6, 3}},    {{3, 3}, 0, 0, {3, 3}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(stepCursor(k.from, k.dx, k.dy), k.to) << k.from.x << ',' << k.from.y << " by " << k.dx << ',' << k.dy;
    EXPECT_EQ(gridCellAt({9, 7}), (GridCell{0, 4, 8})); // a shared cell: the top grid's copy
    // The chooser's squares: the middle first, then along its rows and columns, stopping at the edge.
    const int squares[][4] = {{0, 1, 0, 5}, {5, 1, 0, 6}, {6, 1, 0, 6}, {2, 0, 1, 5}, {7, 0, 1, 7}};
    for (const auto& q : squares) EXPECT_EQ(stepChooserSquare(q[0], q[1], q[2]), q[3]) << q[0];
}

TEST_F(KeyboardPlayTest, CursorWalksOverASharedBoxAndRoundTheCornersAndLeavesNoTrace) {
    command(MenuCommand::NewGame);
    const platform::SavedRectangle untouched = window.surface().saveRectangle(0, 0, 1051, 786);
    key(VK::Right); // shows the frame where the cursor starts: the top grid's centre
    EXPECT_EQ(cursorAt(), (FieldPlace{10, 4}));
    EXPECT_EQ(window.surface().pixel(213 + 4 * 33, 15 + 4 * 33), kProgramColours[2]);
    // Into the box the top grid shares with the left grid, out into the left grid (nothing above it),
    // then round the field's outer corners, where the cursor stops.
    const std::vector<std::pair<int, FieldPlace>> walk{
        {VK::Down, {10, 5}}, {VK::Down, {10, 6}}, {VK::Left, {9, 6}}, {VK::Left, {8, 6}},
        {VK::Left, {7, 6}},  {VK::Left, {6, 6}},  {VK::Left, {5, 6}}, {VK::Up, {5, 6}},
    };
    for (const auto& [vk, place] : walk) {
        key(vk);
        EXPECT_EQ(cursorAt(), place) << vk;
    }
    for (const FieldPlace corner :
         {FieldPlace{0, 6}, FieldPlace{0, 14}, FieldPlace{6, 20}, FieldPlace{20, 14}, FieldPlace{6, 0}}) {
        walkTo(corner);
        int stays = 0;
        for (const int vk : kArrows) {
            key(vk);
            stays += cursorAt() == corner;
            walkTo(corner);
        }
        EXPECT_EQ(stays, 2) << "two of the arrows lead off the field at " << corner.x << ',' << corner.y;
    }
    // A held arrow goes on at the keyboard's repeat rate: three repeats and the release, four places;
    // other keys' repeats do nothing, and neither does a repeat whose press went elsewhere.
    walkTo({10, 4});
    deliver(Event::keyPressed(VK::Down));
    for (const int vk : {VK::Down, VK::Down, VK::Enter, VK::Down, VK::Up}) deliver(Event::keyRepeated(vk));
    deliver(Event::keyReleased(VK::Down));
    EXPECT_EQ(cursorAt(), (FieldPlace{10, 8}));
    EXPECT_FALSE(game.play.entry.active);
    // A click takes the frame away: the screen is as it was before the first arrow.
    click(900, 120);
    EXPECT_FALSE(game.view.cursor.shown);
    EXPECT_EQ(window.surface().saveRectangle(0, 0, 1051, 786).pixels(), untouched.pixels());
}

TEST_F(KeyboardPlayTest, AGameFinishedByKeysAlone) {
    command(MenuCommand::NewGame);
    key(VK::Down);
    int typed = 0;
    for (int y = 0; y < kFieldSide; ++y)
        for (int x = 0; x < kFieldSide; ++x) {
            const std::optional<GridCell> cell = gridCellAt({x, y});
            if (!cell || cellAt(game.board.givens, cell->column, cell->row, cell->grid) != 0) continue;
            walkTo({x, y});
            const int s = cellAt(game.board.solution, cell->column, cell->row, cell->grid);
            if (typed++ % 2 == 0) {
                key('0' + s, '0' + s);
            } else { // by the chooser: Enter opens it, the arrows move its highlight, Enter takes it
                key(VK::Enter, CharacterCode::Enter);
                ASSERT_TRUE(game.play.entry.active);
                // To the top-left square (two presses each way reach it from anywhere), then to s.
                for (const int vk : {VK::Left, VK::Left, VK::Up, VK::Up}) chord(vk, 0);
                for (int i = 0; i < (s - 1) % 3 + (s - 1) / 3; ++i) chord(i < (s - 1) % 3 ? VK::Right : VK::Down, 0);
                chord(VK::Enter, 0);
                ASSERT_FALSE(game.play.entry.active);
            }
            ASSERT_EQ(cellAt(game.board.board, cell->column, cell->row, cell->grid), s) << x << ',' << y;
        }
    EXPECT_EQ(game.view.panelState.statusText, "Brett gelöst!!! ");
    EXPECT_EQ(game.board.errorCount, 0);
    EXPECT_EQ(platform.championForms().size(), 1u) << "a timed game solved goes to the hall of fame";
    key('A');
    expectIdle("aborted by key A");
}

TEST_F(KeyboardPlayTest, UndoAndRedoTakeEveryStepBackButNeverTheErrorCount) {
    command(MenuCommand::NewGame);
    const auto wrong = openCell(3), right = openCell(3, 1), noted = openCell(3, 2);
    const auto placeOf = [](std::tuple<int, int, int> c) {
        return fieldPlaceOf({std::get<2>(c), std::get<0>(c), std::get<1>(c)});
    };
    // What the player sees of each state: the board's layers, the status and the counts.
    using Seen = std::tuple<BoardLayers, std::string, std::array<int, 10>>;
    const auto seen = [&] {
        return Seen{layersOf(game.board, false), game.view.panelState.statusText, game.board.symbolCounts};
    };
    std::vector<Seen> states{seen()};
    const auto done = [&] { states.push_back(seen()); };
    key(VK::Down);
    walkTo(placeOf(wrong));
    key('0' + solutionAt(wrong) % 9 + 1, '0' + solutionAt(wrong) % 9 + 1); // an entry, wrong
    done();
    walkTo(placeOf(right));
    key('0' + solutionAt(right), '0' + solutionAt(right)); // an entry
    done();
    key(VK::Delete); // an erase
    done();
    walkTo(placeOf(noted));
    key(VK::Insert);
    deliver(Event::character('7')); // a candidate toggled
    done();
    key('N'); // restart
    done();
    ASSERT_EQ(game.board.errorCount, 1);
    for (std::size_t i = 1; i < states.size(); ++i)
        ASSERT_FALSE(states[i] == states[i - 1]) << "step " << i << " changed nothing";

    for (int i = int(states.size()) - 2; i >= 0; --i) {
        chord('Z', Mod::Control);
        EXPECT_TRUE(seen() == states[std::size_t(i)]) << "undo to " << i;
    }
    chord('Z', Mod::Control); // nothing left to undo
    EXPECT_TRUE(seen() == states.front());
    for (std::size_t i = 1; i < states.size(); ++i) {
        chord(i % 2 ? 'Y' : 'Z', i % 2 ? Mod::Control : Mod::Control | Mod::Shift);
        EXPECT_TRUE(seen() == states[i]) << "redo to " << i;
    }
    EXPECT_EQ(game.board.errorCount, 1);

    // A new step forgets what was undone; a new game forgets everything.
    chord('Z', Mod::Control);
    key('F');
    const BoardLayers allMarked = layersOf(game.board, false);
    chord('Y', Mod::Control);
    EXPECT_EQ(layersOf(game.board, false), allMarked);
    key('A');
    command(MenuCommand::NewGame);
    const BoardLayers fresh = layersOf(game.board, false);
    chord('Z', Mod::Control);
    EXPECT_EQ(layersOf(game.board, false), fresh);
}

} // namespace
} // namespace quintaro
