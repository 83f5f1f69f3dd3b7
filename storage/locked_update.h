// Changing a player's file that another running game may change too: under a lock, from what it holds now.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "storage/atomic_file.h"

namespace quintaro {

// How long a save waits for another game's lock on the same file. A save holds it for milliseconds,
// so a lock held this long belongs to a game that is stuck; the player hears so instead of waiting.
constexpr std::chrono::milliseconds kLockPatience{3000};

// The new contents of a file made from what it holds now (empty when there is no file yet), or
// nullopt when there is nothing to write.
using FileChange = std::function<std::optional<std::string>(std::string_view now)>;

// Why updateFile wrote nothing (or, after a failed in-place write, only part), in the game's German.
struct UpdateFailure {
    enum class Step {
        Busy,  // another game held the lock longer than the patience allowed
        Read,  // path is a folder or no regular file, or could not be read
        Write, // as writeWholeFile failed
    };
    Step step;
    std::string reason; // "… ist gerade gesperrt …", germanReason of the write, …
};

// Takes the lock file path + ".lock" (a lock left behind by a game that has ended is taken over at
// once), waiting at most patience while another game holds it; then reads the first readLimit bytes
// of path as it is now, hands them to change and writes its result with writeWholeFile under rules;
// then gives the lock back. So two games that change one file one after the other each keep the
// other's change. Where the lock file cannot be made at all (a folder the player may not write, in
// which rules.overwriteInPlace can still write the file), the update goes on without the lock.
// Needs: the folder of path exists, or rules.makeFolder. Returns the failure, with path as it was
// (but see writeWholeFile's in-place write); change is not called unless path could be read.
std::optional<UpdateFailure> updateFile(const std::string& path, std::size_t readLimit, const FileChange& change,
                                        WriteRules rules, std::chrono::milliseconds patience = kLockPatience);

} // namespace quintaro
