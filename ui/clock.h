// The game clock: the elapsed-time label of a timed game, its polling thread and the record of a solved game.
#pragma once

#include "platform/label.h"
#include "platform/platform.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quintaro {

// The flags the window thread shares with the clock thread. The game's state derives from this.
struct ClockFlags {
    std::atomic<bool> gameRunning{false}; // a timed game is in progress; the clock thread runs while it is set
    std::atomic<bool> gameSolved{false};  // a just-solved game is being recorded by refreshClock
    std::atomic<bool> clockHold{false};   // the clock thread must not touch the window
    std::atomic<double> gameStart{0.0};   // timer reading at the start of the running game
};

// Elapsed seconds split into whole hours and minutes and the seconds left over (0 <= seconds < 60
// for a non-negative time). The fraction is dropped before the divisions.
struct ElapsedSplit {
    int hours = 0, minutes = 0;
    double seconds = 0.0;
};

// The last two characters of "0" followed by n: 5 gives "05", 12 gives "12", 123 gives "23".
std::string two(int n);
ElapsedSplit splitElapsed(double elapsedSeconds);
// The label's running text, " HH:MM:SS" with whole seconds; 100 hours or more keep the last two hour digits.
std::string displayText(double elapsedSeconds);
// A solved game's time with tenths, "HH:MM:SS.t"; rounded to the tenth before the split, so 59.96 s
// gives "00:01:00.0". Ten characters below 100 hours, which is where the hall of fame compares them as text.
std::string recordText(double elapsedSeconds);

// Shows the elapsed time of a timed game in the clock label and records the time of a solved one.
// Every method but tick runs on the window thread. The label and the flags must outlive the clock.
class GameClock {
public:
    // Hands a solved game's record to the hall of fame; the label shows the record meanwhile.
    using RecordHandler = std::function<void(const std::string& record)>;

    static constexpr int kPollMilliseconds = 50;
    static constexpr double kNoRecordSeconds = 100 * 3600; // games this long or longer record no champion

    GameClock(platform::Platform& platform, platform::Label& clockDisplay, ClockFlags& flags,
              RecordHandler onRecord = {});
    // Ends the clock thread; waits at most one polling interval for it.
    ~GameClock();
    GameClock(const GameClock&) = delete;
    GameClock& operator=(const GameClock&) = delete;

    // A new timed game: running from now, not solved, no recorded time; the label shows " 00:00:00".
    // Ends the clock thread of an earlier game, even one that has not yet seen gameRunning cleared.
    void startGame();

    // Brings the label up to date:
    // - not running: " 99:99:99", and the clock thread ends after its current pause;
    // - running: the elapsed time of this moment, " HH:MM:SS";
    // - running and gameSolved: the time of this moment with tenths is the record; below 100 hours the
    //   label shows it, finalTime keeps it and the record handler gets it, and the label keeps showing
    //   it until clearRecord or a running game's time replaces it; from 100 hours on the label shows
    //   " 99:99:99". Either way gameRunning is cleared.
    // While a record is shown, a refresh with no game running leaves it standing.
    void refreshClock();

    // The record of the solved game leaves the label, which shows " 99:99:99"; nothing when none is shown.
    void clearRecord();

    // Starts a clock thread for the running game, after ending the one before (at most one polling
    // interval's wait). The thread polls every 50 ms until gameRunning is cleared or its run is ended.
    void startThread();

    // One polling step of the clock thread, safe from any thread; the thread calls it after each pause.
    // When the timer has reached a new whole second and the clock is not held, the display text goes to
    // the window thread, which shows it only if the game still runs, unsolved and not held, in the same run.
    void tick();

    // The window went out of sight at timer reading `at`: a timed game's clock stops there and its thread
    // ends. Nothing happens while no game is timed or when the clock is paused already.
    void pause(double at);
    // Back in sight at `at`: the game goes on from the time it had when paused (gameStart moves on by the
    // time away), the label shows it and a new clock thread starts. Nothing happens unless paused.
    void resume(double at);
    bool paused() const { return pausedAt_.has_value(); }
    // The running game's time at timer reading `now`; while paused, the time it had when the window went
    // out of sight, so the time away is never the player's.
    double elapsed(double now) const { return pausedAt_.value_or(now) - flags_.gameStart; }

    // The record of the last solved game; "X" after a new game.
    const std::string& finalTime() const { return finalTime_; }

private:
    void endRun();
    void step(std::uint64_t run);
    bool isLive(std::uint64_t run) const { return *liveRun_ == run; }

    platform::Platform& platform_;
    platform::Label& clockDisplay_;
    ClockFlags& flags_;
    RecordHandler onRecord_;
    std::string finalTime_ = "X";
    bool recordShown_ = false;                 // the label shows the record of the game solved last
    std::optional<double> pausedAt_;           // timer reading when the window went out of sight
    std::atomic<double> lastTickSecond_{-1.0}; // whole timer second of the last computation
    // The number of the current run; ending a run counts it up. Calls posted by the thread keep it alive
    // so that a call delivered after the clock is gone sees a stale run and does nothing.
    std::shared_ptr<std::atomic<std::uint64_t>> liveRun_ = std::make_shared<std::atomic<std::uint64_t>>(0);
    std::unique_ptr<platform::WorkerThread> thread_;
};

} // namespace quintaro
