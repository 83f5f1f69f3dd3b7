// The game's controller: holds one run's state in plain parts and turns each event of the main window into their change
// and redraw.
#pragma once

#include "app/board_dialog.h"
#include "app/champions.h"
#include "app/game_folders.h"
#include "app/game_in_play.h"
#include "app/hall_of_fame.h"
#include "app/help.h"
#include "app/menu_command.h"
#include "app/platform_random.h"
#include "app/player_choices.h"
#include "app/player_view.h"
#include "app/puzzle_supply.h"
#include "app/settings_memory.h"
#include "engine/board.h"
#include "engine/board_verdict.h"
#include "engine/player_cell.h"
#include "platform/platform.h"
#include "storage/hall_of_fame.h"
#include "storage/locked_update.h"
#include "ui/button_bar.h"
#include "ui/clock.h"
#include "ui/display.h"
#include "ui/field.h"
#include "ui/panel_context.h"

#include <array>
#include <bitset>
#include <chrono>
#include <functional>
#include <cstdint>
#include <memory>
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
    void runMenuCommand(MenuCommand command);
    // The player asked to close the main window.
    void requestClose();
    // The pointer moved to (x, y) in client pixels.
    void movePointer(double x, double y);

    // Where the game's file `name` ("brett.qbr", "leicht.qbr", "Erklärung.htm") is read or written.
    std::string filePath(const std::string& name) const { return gameFilePath(folders, name); }
    // The absolute path of the file of kept games in the player's folder.
    std::string keptGamesPath() const;

    // The drawing context of the main window's client area.
    Display display();
    // What the side panels show, for the board and mode of the moment.
    PanelContext panels();

    // Redraws all 4 x 81 cells (each shared cell once per grid) as they stand, a player's symbol red
    // where it contradicts the solution; judges nothing again, so no error is counted. Then the counts
    // and status (countSymbols) and the candidates (refreshCandidates).
    void drawBoard();
    // Judges symbol s just placed in a player's cell (judgePlayerCell), then shows it (showJudgedCell).
    void judgeAndDrawCell(GridCell cell, int s);
    // Shows symbol s of cell as judged: a third error stops the timing first; then the cell is painted,
    // s in dark blue, or in red when wrong.
    void showJudgedCell(GridCell cell, int s, CellJudgement judged);
    // The game is no longer timed: the running flag cleared and the clock label refreshed.
    void stopTiming();
    // Opens or redraws the symbol chooser over cell, with its hint (the one of candidate notation or
    // of a symbol entry), while the clock holds still.
    void drawEntryPopup(GridCell cell, bool candidateNotation);
    // Recounts the givens and redraws their count and the level name.
    void countGivensNow();
    // Recounts the symbols (each shared cell once) and judges the board; the panels show this verdict
    // from now on. Draws nothing.
    BoardVerdict judgeBoardNow();
    // judgeBoardNow, the count row and the status redrawn, then actOnVerdict. Returns the verdict.
    BoardVerdict countSymbols();
    // What a verdict sets off once it is on the screen: a short alert for a broken rule; for a solved
    // board while a game is timed, the clock records the time, the hall of fame takes it and the
    // timing stops.
    void actOnVerdict(const BoardVerdict& verdict);

    // Reads record 0..3 of records.boardFile into the board (loadBoardRecord).
    ReadStatus loadRecord(int record);
    // Lets the player pick the slot of records.boardFile to load (boardFile as the caller set it). When
    // a record was read, computes the solution the game is judged against (from the givens when they
    // determine it) and returns true; a cancelled dialog or a failed read changes nothing.
    bool showLoadDialog();
    // Sets records.boardFile to "brett.qbr" and lets the player pick the slot to save the board into.
    void showSaveDialog();

    // The game loops: each draws its button bar and takes keys and clicks until the player aborts;
    // the command that started it ends then. runPlayLoop redraws the board and starts the clock
    // thread when a game is timed; runOwnBoardLoop lets the player place givens of their own.
    void runPlayLoop();
    void runOwnBoardLoop();
    // The visible solve (visible_solve.cpp): the passes drawn as they place, the counts and status
    // judged, the player told when the board did not come out solved, the candidates refreshed when
    // shown; the busy pointer meanwhile. With restartFollowUp, a board left in a dead end
    // (solveRanIntoDeadEnd) is restarted and solved once more.
    void solveCommand(bool restartFollowUp);

    // The hall of fame of "Champions.qhf" in the game's folders, over champions.
    HallOfFameKeeper hallOfFame() { return HallOfFameKeeper(platform, champions, filePath("Champions.qhf")); }

    // A left or right button press in the play loop on cell, the pointer at `at`: opens the chooser
    // on a player's cell (candidate notation with the right button), or empties a filled one with the
    // right button. Givens take no clicks.
    void clickCell(platform::MouseButton button, GridCell cell, Pixel at);

    platform::Platform& platform;
    PlatformRandom randomSource;
    Board board;
    PlayerChoices choices;
    GameInPlay play;
    GameFolders folders;
    PlayerView view;
    RecordChoice records;
    HelpPages help;
    platform::MainWindow* mainWindow = nullptr;
    Champions champions;
    SettingsMemory settings;
    PuzzleSupply puzzles{platform}; // the next new game's fresh puzzle, made ahead

private:
    // Asks "Spiel beenden?"; "&JA" stops the timing and closes the main window, which ends the idle
    // loop; "&NEIN" (the default) changes nothing.
    void confirmQuit();
    // At quit: the settings written with the window as it stands, and a game the board holds unsolved
    // (holdsUnsolvedGame) kept with its clock's time as the question came up; a failure is told.
    void keepAtQuit(bool timed, double elapsedSeconds);
    // At start-up: takes the newest kept game and asks "Letztes Spiel fortsetzen?"; "&JA" puts it on the
    // board and starts the play loop on it, a timed game's clock going on from its kept time. A kept file
    // that cannot be read is told about and the start is the classic one.
    void offerKeptGame();
    // Writes the settings when the choices differ from what was last written; tells a failure once a run.
    void rememberChoices();
    // Prints the board as it stands (printBoard).
    void printCommand();
    void endOfCommand();

    // The actions of one command; a value no item carries does nothing.
    void performCommand(MenuCommand command);
    // The one place a new game's puzzle comes from: with freshPuzzles, the fresh puzzle made ahead for
    // the level when it is ready (its number kept in play.puzzle and shown in the help panel), then the
    // next one prepared; else, or when none is ready, a random record of the level's collection (no
    // number). Either way counts its givens and shuffles it. False, with the player told which file
    // failed, when the collection was needed and cannot be read.
    bool loadPuzzleOfLevel();
    // With freshPuzzles, has the next fresh puzzle of the level made ahead (PuzzleSupply::prepare).
    void prepareFreshPuzzle();
    void startNewGame();

    // The game loops.
    void onKeyReleased(int virtualKey);
    // A button press in a game loop at `at`: a button of the bar, then the cell there, if any.
    void onButtonPressed(platform::MouseButton button, Pixel at);
    // Key L and the Load button: the load dialog on "brett.qbr", the board redrawn, the clock shown;
    // a loaded game in progress is timed again in the play loop, never in the own-board loop.
    void loadInLoop();
    void abortLoop(bool byButton);
    void solveInLoop();
    // A button press in the own-board loop on cell: the right button erases a given, the left opens
    // the chooser.
    void clickOwnBoardCell(platform::MouseButton button, GridCell cell, Pixel at);

    // The symbol entry. openChooser opens the chooser over cell, its square under pointerAt
    // highlighted (else the one of before), and starts the entry.
    void openChooser(GridCell cell, bool candidateNotation, Pixel pointerAt);
    void onEntryCharacter(int code);
    void onEntryButton(platform::MouseButton button, Pixel at);
    void finishEntry(int symbol);
    // When showCandidates: the timing stops and the candidates are computed afresh; either way the
    // shared copies are merged and the marks drawn.
    void refreshCandidates();

    // Keyboard play and undo (keyboard_play.cpp). Every event passes here: the cursor frame is taken off the screen
    // while the event is handled, the keys of keyboard play and undo are taken, the others go to dispatchEvent, and
    // what the event changed on the board is kept as one step.
    void playEvent(const platform::Event& event);
    bool takeKeyboardPlay(const platform::Event& event);
    void onCursorKey(int virtualKey);
    void typeIntoCursorCell(int character);
    void stepHistory(bool back);
    // The event handled by what the game is doing.
    void dispatchEvent(const platform::Event& event);

    std::bitset<256> keysDown_; // keys whose press the game loop received itself
};

} // namespace quintaro
