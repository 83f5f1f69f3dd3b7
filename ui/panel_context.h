// What the side panels show and judge, and what the status check asks of the game around it.
#pragma once

#include "engine/board.h"

#include <string>

namespace quintaro {

// The panels' own results, kept between redraws.
struct PanelState {
    std::string statusText;          // the status message last chosen, with its blanks
    bool wrongEntry = false;         // a player's symbol contradicts the solution
    bool allSymbolsComplete = false; // every symbol stands 32 times
    int givenCount = 0;              // distinct given cells
};

// The game around the status check.
class StatusListener {
public:
    virtual ~StatusListener() = default;
    // The rule check failed while no player's symbol contradicts the solution: a short alert.
    virtual void ruleBroken() {}
    // The status now reads the solved-board message; a timed game hands its time to the clock here.
    virtual void boardSolved() {}
};

struct PanelContext {
    Board& board;
    PanelState& state;
    StatusListener& listener;
    bool digitMode;        // symbols as digits 1..9, else as letters A..I
    std::string levelName; // as shown, with its blanks (" Leicht ")
};

} // namespace quintaro
