// The menu commands: what each item of the menu bar asks the game to do.
#pragma once

#include "platform/events.h"

namespace quintaro {

// The values are the ids the items carry in the menu text and in the platform's menu event.
enum class MenuCommand {
    About = 1,
    NewGame = 8,       // a timed game of the level
    StartGame = 10,    // play the board as it stands
    OwnBoard = 11,     // enter a puzzle of one's own
    PrintNewGame = 12, // a puzzle of the level on paper, then played untimed
    LoadBoard = 20,
    SaveBoard = 21,
    SolveBoard = 22,
    ShuffleBoard = 24,
    RestartBoard = 25,
    ClearBoard = 26,
    PrintBoard = 27,
    FreshPuzzles = 28, // new games play freshly made puzzles, else the collections' records
    LevelEasy = 30,    // the four levels in order, Leicht to Extrem
    LevelMedium = 31,
    LevelHard = 32,
    LevelExtreme = 33,
    Digits = 40,
    Letters = 41,
    ShowCandidates = 44,
    PuzzleSymmetry = 45,
    HallOfFame = 50,
    Help = 60,
    Quit = 99,
};

// The id of a command's menu item.
constexpr int menuId(MenuCommand command) { return static_cast<int>(command); }

// The command a menu event asks for; an id no item carries stays a value no command has.
constexpr MenuCommand menuCommandOf(const platform::Event& menuEvent) { return MenuCommand(menuEvent.code); }

// The item of level 0..3, and the level 0..3 of one of the four level items.
constexpr MenuCommand levelCommand(int level) { return MenuCommand(menuId(MenuCommand::LevelEasy) + level); }
constexpr int levelOf(MenuCommand levelItem) { return menuId(levelItem) - menuId(MenuCommand::LevelEasy); }

} // namespace quintaro
