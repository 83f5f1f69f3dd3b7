// The game clock: elapsed-time texts, the label refresh, the polling thread and the record of a solved game.
#include "ui/clock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quintaro {

namespace {

const char* const kStopped = " 99:99:99";

} // namespace

std::string two(int n) {
    std::string text = "0";
    text += std::to_string(n);
    return text.substr(text.size() - 2);
}

ElapsedSplit splitElapsed(double elapsedSeconds) {
    ElapsedSplit split;
    split.hours = int(std::trunc(elapsedSeconds)) / 3600;
    split.seconds = elapsedSeconds - 3600.0 * split.hours;
    split.minutes = int(std::trunc(split.seconds)) / 60;
    split.seconds -= 60.0 * split.minutes;
    return split;
}

std::string displayText(double elapsedSeconds) {
    const ElapsedSplit s = splitElapsed(elapsedSeconds);
    std::string text = " ";
    text += two(s.hours) + ":" + two(s.minutes) + ":" + two(int(std::trunc(s.seconds)));
    return text;
}

std::string recordText(double elapsedSeconds) {
    // Rounding first carries 59.96 s into the next minute instead of writing "60.0" seconds.
    const ElapsedSplit s = splitElapsed(std::round(elapsedSeconds * 10.0) / 10.0);
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%04.1f", s.seconds);
    return two(s.hours) + ":" + two(s.minutes) + ":" + seconds;
}

GameClock::GameClock(platform::Platform& platform, platform::Label& clockDisplay, ClockFlags& flags,
                     RecordHandler onRecord)
    : platform_(platform), clockDisplay_(clockDisplay), flags_(flags), onRecord_(std::move(onRecord)) {}

GameClock::~GameClock() {
    endRun();
    if (thread_) thread_->join();
}

void GameClock::startGame() {
    endRun();
    pausedAt_.reset();
    flags_.gameRunning = true;
    flags_.gameStart = platform_.timer();
    flags_.gameSolved = false;
    finalTime_ = std::string(1, 'X');
    refreshClock();
}

void GameClock::refreshClock() {
    if (!flags_.gameRunning) {
        endRun();
        if (!recordShown_) clockDisplay_.setCaption(kStopped);
        return;
    }
    recordShown_ = false;
    const double now = platform_.timer();
    if (flags_.gameSolved) {
        // The record is the time of this call, not of the thread's last whole-second tick.
        const double elapsed = now - flags_.gameStart;
        flags_.gameRunning = false;
        endRun();
        if (std::round(elapsed * 10.0) / 10.0 >= kNoRecordSeconds) {
            clockDisplay_.setCaption(kStopped);
            return;
        }
        const std::string record = recordText(elapsed);
        clockDisplay_.setCaption(record);
        finalTime_ = record;
        // The time just achieved stays in sight after the name form and the hall of fame.
        recordShown_ = true;
        if (onRecord_) onRecord_(record);
        return;
    }
    // Always the time of this moment: a refresh within the second of the last tick (after a load, say)
    // must not show a game in progress as " 00:00:00".
    lastTickSecond_ = std::trunc(now);
    clockDisplay_.setCaption(displayText(now - flags_.gameStart));
}

void GameClock::clearRecord() {
    if (!recordShown_) return;
    recordShown_ = false;
    clockDisplay_.setCaption(kStopped);
}

void GameClock::startThread() {
    endRun();
    if (thread_) thread_->join();
    const std::uint64_t run = *liveRun_;
    thread_ = platform_.startThread([this, run] {
        while (isLive(run) && flags_.gameRunning) {
            platform_.pause(kPollMilliseconds);
            step(run);
        }
    });
}

void GameClock::pause(double at) {
    if (!flags_.gameRunning || pausedAt_) return;
    pausedAt_ = at;
    endRun();
}

void GameClock::resume(double at) {
    if (!pausedAt_) return;
    const double away = std::max(0.0, at - *pausedAt_);
    pausedAt_.reset();
    if (!flags_.gameRunning) return;
    flags_.gameStart = flags_.gameStart + away;
    refreshClock();
    startThread();
}

void GameClock::tick() { step(*liveRun_); }

void GameClock::endRun() { ++*liveRun_; }

void GameClock::step(std::uint64_t run) {
    if (!isLive(run) || flags_.clockHold) return;
    const double now = platform_.timer();
    if (std::trunc(now) == lastTickSecond_) return;
    lastTickSecond_ = std::trunc(now);
    if (flags_.gameSolved) return;
    // The caption is set on the window thread, and only if nothing there has stopped, solved or held
    // this run since: a text computed before a stop never lands after it.
    platform_.post(
        [liveRun = liveRun_, run, &label = clockDisplay_, &flags = flags_, text = displayText(now - flags_.gameStart)] {
            if (*liveRun == run && flags.gameRunning && !flags.gameSolved && !flags.clockHold) label.setCaption(text);
        });
}

} // namespace quintaro
