// The file of kept games in the player's folder: keeping a game at the end of a run, taking it at the next start.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "storage/kept_game.h"
#include "storage/locked_update.h"

namespace quintaro {

// The file's name in the player's data folder, beside "brett.qbr".
constexpr const char* kKeptGamesFileName = "spielstand.qsp";

struct KeepResult {
    bool kept = false;
    // kept: "" or the note that an unreadable file was set aside first (see takeKeptGame);
    // not kept: why, in German ("Das laufende Spiel konnte nicht aufbewahrt werden: …").
    std::string message;
};

// Puts game first into the list of kept games at path, under the file's lock (waiting up to patience for
// another game's), from what the file holds at that moment: two games that end at once both keep theirs,
// the one that writes second first. The list keeps the newest kKeptGameLimit games; older ones are
// dropped. A file that cannot be read as kept games is set aside first, as takeKeptGame does, and the new
// file holds game alone. The new file is written beside the old one and replaces it only when complete.
// Needs: game unsolved (the file does not judge). A failure leaves the file as it was.
KeepResult keepGame(const std::string& path, const KeptGame& game, std::chrono::milliseconds patience = kLockPatience);

struct TakeResult {
    enum class Status {
        None,     // no file, or it holds no game: message is ""
        Taken,    // game is the newest kept game, now out of the file (but see message)
        SetAside, // the file could not be read as kept games and was renamed to setAsidePath
        Failed,   // the file could not be read (a folder, a FIFO, unreadable, locked too long), or it is
                  // damaged and could not be renamed; it is as it was
    };
    Status status = Status::None;
    std::optional<KeptGame> game; // Taken only
    std::string setAsidePath;     // SetAside only
    // Taken: "" or the note that the game could not be taken out of the file and will be offered again;
    // SetAside and Failed: the German text for the player, naming the file and, for SetAside, where it went
    // ("Das aufbewahrte Spiel lässt sich nicht lesen: … ist beschädigt. Die Datei wurde in … umbenannt.").
    std::string message;
};

// Takes the newest game out of the file at path as one step under its lock, so that of two games that
// start at once only one continues it; the older games stay for later starts. The caller then offers it
// ("Letztes Spiel fortsetzen?"): declined, it is gone, as the player chose; continued and left unsolved
// again, keepGame keeps it anew. A file that is truncated, damaged, foreign or from a later version is
// renamed to path + ".defekt" (or ".defekt-2", …), never deleted nor overwritten. Where the rest of the
// list cannot be written back, the game is still handed over, and stays in the file too.
TakeResult takeKeptGame(const std::string& path, std::chrono::milliseconds patience = kLockPatience);

} // namespace quintaro
