// The hall of fame as the game last read it, and what the name form was last told.
#pragma once

#include "storage/hall_of_fame.h"
#include "storage/locked_update.h"

#include <chrono>
#include <string>

namespace quintaro {

struct Champions {
    HallOfFame hallOfFame; // as the file held it when last read
    // How long a save waits for another game that holds the lock on a player's file.
    std::chrono::milliseconds lockPatience = kLockPatience;
    std::string championName;    // the name typed last, offered again
    bool entryConfirmed = false; // the name form was confirmed
};

} // namespace quintaro
