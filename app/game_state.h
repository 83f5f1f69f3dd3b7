// The game's process-wide state: flags, texts and values every part of the game reads and writes.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace quintaro {

// Start values are those of a fresh run; start-up sets hintText. The wrong-entry count lives in
// Board::errorCount, beside the arrays where entries are judged. Flags shared with the clock thread are atomic.
struct GameState {
    std::int16_t level = 0;       // difficulty 0..3
    bool digitMode = true;        // symbols shown as digits, else as letters
    bool puzzleSymmetry = true;   // the next shuffle keeps the puzzle symmetric
    bool showCandidates = false;
    bool htmlHelp = false;        // which help system the help commands open
    bool escapeConsumed = false;  // an Escape was used up; the game loops ignore it
    bool ownBoardMode = false;    // the own-board loop runs
    std::string hintText;         // the prompt of the help panel
    std::string boardFile;        // file of the next load or save
    std::string finalTime;        // clock text of the last solved game
    std::string pendingKey;       // first key of the two-key solve sequence

    std::atomic<bool> gameRunning{false}; // a timed game is in progress
    std::atomic<bool> gameSolved{false};  // a just-solved game is being recorded
    std::atomic<bool> clockHold{false};   // the clock thread must not touch the window
    std::atomic<double> gameStart{0.0};   // timer reading at the start of the running game

    std::int16_t selectedRecord = 0; // slot 0..3 last chosen in the load/save form; kept between dialogs
    bool dialogDone = false;         // the open dialog has finished

    int mouseX = 0, mouseY = 0;   // last pointer position in client pixels
    bool rightClick = false;      // the current click was made with the right button
    bool gridHit = false;         // the current click fell inside a grid
    std::int16_t curColumn = 0, curRow = 0;
};

} // namespace quintaro
