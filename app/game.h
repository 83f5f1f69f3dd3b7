// The game: owns every piece of state for one run, starts up, and handles the events of the main window.
#pragma once

#include "app/game_state.h"
#include "app/game_view.h"
#include "app/platform_random.h"
#include "engine/board.h"
#include "platform/platform.h"
#include "ui/display.h"
#include "ui/entry_popup.h"
#include "ui/panel_context.h"

#include <array>
#include <cstdint>
#include <string>

namespace quintaro {

class Game final : public platform::EventHandler {
public:
    explicit Game(platform::Platform& platform);

    // Opens the main window, sets up the state and draws the first screen; input is handled afterwards.
    void startUp();
    // startUp, then the idle loop until the main window is gone; returns the exit code.
    int run();

    // The event of the main window, handled according to what the game is doing.
    void handleEvent(const platform::Event& event) override;

    // The command dispatcher: one menu command run to its end with the menu bar off.
    void Win_0_MenuEvent(int id);
    // The player asked to close the main window.
    void Win_0_Close();
    // The pointer moved to (x, y) in client pixels.
    void Win_0_MouseMove(double x, double y);

    // Builds the menu bar from the menu text and attaches it, replacing the one before.
    void buildMenuBar();
    // Sets the check marks of levels, digits/letters, candidates and symmetry from the state.
    void refreshCheckMarks();

    // The drawing context of the main window's client area.
    Display display();
    // What the side panels show and judge, for the board and mode of the moment.
    PanelContext panels();

    // Redraws all 4 x 81 cells (each shared cell once per grid; a redraw counts no error), the counts
    // and status, then the candidates: computed afresh when showCandidates, else as they stand.
    void drawBoard();
    // Opens or redraws the symbol chooser over cell (c, r) of board.activeGrid, with its hint, while
    // the clock holds still.
    void drawEntryPopup(int c, int r);
    // The clock label: " 99:99:99" while no game is timed.
    void refreshClock();

    platform::Platform& platform;
    PlatformRandom randomSource;
    Board board;
    GameState state;
    ColourTable colourTable{};
    std::array<std::string, 4> levelNames;
    ScreenState screen;
    PanelState panelState;
    EntryPopup popup;
    GameView view{*this};
    platform::MainWindow* mainForm = nullptr;
    platform::Label* clockDisplay = nullptr; // the label "uhr"
    platform::SavedRectangle buttonBarBackground;

private:
    // Does nothing yet: there is no hall of fame to read.
    void readHallOfFame();
    // Always false yet: the game has no help viewer to choose.
    bool detectHtmlHelp();
    // Closes the main window, which ends the idle loop; asking first comes with the quit question.
    void endProgram();
    void endOfCommand();
};

} // namespace quintaro
