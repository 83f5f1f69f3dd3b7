// The game clock: its texts, the label while a game runs, holds, stops and solves, and its thread's end.
#include "platform/headless_platform.h"
#include "ui/clock.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace quintaro {
namespace {

using platform::HeadlessPlatform;

const std::string kStopped = " 99:99:99";

// Keeps every caption it is given. Like the real label, a caption set from another thread is queued to
// the window thread; such calls are counted, since the clock must leave the label to the window thread.
class RecordingLabel final : public platform::Label {
public:
    explicit RecordingLabel(HeadlessPlatform& platform) : platform_(platform) {}
    void setCaption(const std::string& utf8) override
    {
        if (platform_.onWindowThread()) {
            captions.push_back(utf8);
            return;
        }
        ++offThreadCalls;
        platform_.post([this, utf8] { captions.push_back(utf8); });
    }
    std::string caption() const override { return captions.empty() ? std::string() : captions.back(); }
    void setFont(const platform::FontRequest&) override {}
    void setBackground(platform::Rgb) override {}
    void setGeometry(int, int, int, int) override {}

    std::vector<std::string> captions;
    std::atomic<int> offThreadCalls{0};

private:
    HeadlessPlatform& platform_;
};

TEST(ClockTextTest, TwoDigitFieldsDisplayAndRecord)
{
    EXPECT_EQ(two(0), "00");
    EXPECT_EQ(two(5), "05");
    EXPECT_EQ(two(12), "12");
    EXPECT_EQ(two(123), "23");

    const struct {
        double seconds;
        const char* display;
        const char* record;
    } cases[] = {
        {0.0, " 00:00:00", "00:00:00.0"},
        {12.0, " 00:00:12", "00:00:12.0"},
        {59.96, " 00:00:59", "00:01:00.0"}, // rounded before the split: never "60.0" seconds
        {65.08, " 00:01:05", "00:01:05.1"},
        {3599.97, " 00:59:59", "01:00:00.0"},
        {3725.26, " 01:02:05", "01:02:05.3"},
        {99 * 3600 + 59 * 60 + 59.94, " 99:59:59", "99:59:59.9"},
        {123 * 3600 + 4.5, " 23:00:04", "23:00:04.5"}, // 100 hours or more keep two hour digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(displayText(c.seconds), c.display);
        EXPECT_EQ(recordText(c.seconds), c.record);
    }
    const ElapsedSplit split = splitElapsed(3725.75);
    EXPECT_EQ(split.hours, 1);
    EXPECT_EQ(split.minutes, 2);
    EXPECT_DOUBLE_EQ(split.seconds, 5.75);
}

// The clock on the headless platform; the test plays the clock thread by calling tick().
class ClockTest : public ::testing::Test {
protected:
    // Sets the fake time, runs one polling step and delivers what it posted to the window thread.
    void pollAt(double time)
    {
        platform.setTime(time);
        clock.tick();
        platform.deliverPending();
    }
    // One polling step computed on a thread of its own, as the clock thread does; its call stays queued.
    void tickOnAnotherThread()
    {
        std::thread([this] { clock.tick(); }).join();
    }
    void solveAt(double time)
    {
        platform.setTime(time);
        flags.gameSolved = true;
        clock.refreshClock();
        flags.gameSolved = false;
    }

    HeadlessPlatform platform;
    RecordingLabel label{platform};
    ClockFlags flags;
    std::vector<std::string> records, captionsDuringRecord;
    GameClock clock{platform, label, flags, [this](const std::string& record) {
                        records.push_back(record);
                        captionsDuringRecord.push_back(label.caption());
                    }};
};

TEST_F(ClockTest, RunningGameCountsOnceAWholeSecond)
{
    clock.refreshClock();
    EXPECT_EQ(label.caption(), kStopped);
    platform.setTime(1000.25);
    clock.startGame();
    EXPECT_TRUE(flags.gameRunning);
    EXPECT_EQ(flags.gameStart.load(), 1000.25);
    EXPECT_EQ(clock.finalTime(), "X");
    EXPECT_EQ(label.captions, (std::vector<std::string>{kStopped, " 00:00:00"}));

    // Polling every 1/16 s: the label changes when the timer's whole second changes, not in between.
    for (double t = 1000.25; t <= 1004.0; t += 0.0625)
        pollAt(t);
    EXPECT_EQ(label.captions,
              (std::vector<std::string>{kStopped, " 00:00:00", " 00:00:00", " 00:00:01", " 00:00:02", " 00:00:03"}));

    pollAt(1065.30);
    EXPECT_EQ(label.caption(), " 00:01:05");
    EXPECT_EQ(label.offThreadCalls.load(), 0);
}

TEST_F(ClockTest, HeldClockLeavesTheLabelAndCatchesUpAfterwards)
{
    platform.setTime(1000.0);
    clock.startGame();
    pollAt(1010.0);
    EXPECT_EQ(label.caption(), " 00:00:10");

    // A text computed just before the hold is not shown while the hold lasts.
    platform.setTime(1011.0);
    clock.tick();
    flags.clockHold = true;
    platform.deliverPending();
    for (double t = 1011.25; t <= 1013.0; t += 0.25)
        pollAt(t);
    EXPECT_EQ(label.caption(), " 00:00:10");
    EXPECT_EQ(platform.queuedCalls(), 0u);

    flags.clockHold = false;
    pollAt(1013.5);
    EXPECT_EQ(label.caption(), " 00:00:13");
}

TEST_F(ClockTest, ATextComputedBeforeAStopOrANewGameNeverLandsAfterIt)
{
    platform.setTime(1000.0);
    clock.startGame();
    platform.setTime(1030.0);
    tickOnAnotherThread();
    flags.gameRunning = false; // the Abort button
    clock.refreshClock();
    platform.deliverPending();
    EXPECT_EQ(label.caption(), kStopped);

    // Left with Escape (no refresh), then a new game at once: the old game's time must not follow.
    clock.startGame();
    platform.setTime(1040.0);
    tickOnAnotherThread();
    flags.gameRunning = false;
    platform.setTime(1040.5);
    clock.startGame();
    platform.deliverPending();
    EXPECT_EQ(label.caption(), " 00:00:00");

    // Nor after a solve.
    platform.setTime(1042.0);
    tickOnAnotherThread();
    solveAt(1042.5);
    platform.deliverPending();
    EXPECT_EQ(records, std::vector<std::string>{"00:00:02.0"});
    EXPECT_EQ(label.caption(), kStopped);
    pollAt(1043.0);
    EXPECT_EQ(label.caption(), kStopped);
    EXPECT_EQ(label.offThreadCalls.load(), 0);
}

TEST_F(ClockTest, SolvedGameRecordsTheTimeOfTheSolveWithTenths)
{
    platform.setTime(1000.0);
    clock.startGame();
    pollAt(4725.0);
    EXPECT_EQ(label.caption(), " 01:02:05");

    // Solved within the same whole second as the last tick: the record still counts the tenths since.
    solveAt(4725.26);
    EXPECT_EQ(records, std::vector<std::string>{"01:02:05.3"});
    EXPECT_EQ(captionsDuringRecord, std::vector<std::string>{"01:02:05.3"});
    EXPECT_EQ(clock.finalTime(), "01:02:05.3");
    EXPECT_FALSE(flags.gameRunning);
    EXPECT_EQ(label.caption(), kStopped);

    platform.setTime(5000.0);
    clock.startGame();
    EXPECT_EQ(clock.finalTime(), "X");
    solveAt(5059.96);
    EXPECT_EQ(clock.finalTime(), "00:01:00.0");
}

TEST_F(ClockTest, NoRecordWhenTheClockIsStoppedOrTheGameTookHundredHours)
{
    platform.setTime(1000.0);
    clock.startGame();
    flags.gameRunning = false; // third wrong symbol
    clock.refreshClock();
    solveAt(1100.0);
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(clock.finalTime(), "X");

    clock.startGame();
    solveAt(1100.0 + 100 * 3600 - 0.04); // rounds to 100 hours
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(clock.finalTime(), "X");
    EXPECT_FALSE(flags.gameRunning);
    EXPECT_EQ(label.caption(), kStopped);

    platform.setTime(0.0);
    clock.startGame();
    solveAt(100 * 3600 - 0.06);
    EXPECT_EQ(records, std::vector<std::string>{"99:59:59.9"});
}

// Real worker threads over the headless platform's fake clock. Each worker's pauses are counted; in the
// gated kind a pause lasts until the worker is joined, so a test can stop a thread in the middle of one.
class ThreadedPlatform final : public platform::Platform {
public:
    explicit ThreadedPlatform(bool gated) : gated_(gated) {}

    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        int pauses = 0, pausesAfterStop = 0;
        bool stopping = false;
    };

    platform::MainWindow& mainWindow() override { return headless.mainWindow(); }
    platform::ScreenSize screenSize() const override { return headless.screenSize(); }
    int largeFontMetric() const override { return headless.largeFontMetric(); }
    void setEventHandler(platform::EventHandler* handler) override { headless.setEventHandler(handler); }
    int run() override { return headless.run(); }
    bool isInputPending() override { return headless.isInputPending(); }
    void post(std::function<void()> call) override { headless.post(std::move(call)); }
    int alertBox(platform::AlertIcon icon, const std::string& text, const std::string& buttons, int button) override
    {
        return headless.alertBox(icon, text, buttons, button);
    }
    void messageBox(const std::string& text) override { headless.messageBox(text); }
    void beep() override { headless.beep(); }
    std::unique_ptr<platform::RecordForm> loadRecordForm(const std::string& caption, int x, int y) override
    {
        return headless.loadRecordForm(caption, x, y);
    }
    double timer() const override { return headless.timer(); }
    std::string today() const override { return headless.today(); }
    int random(int n) override { return headless.random(n); }

    void pause(int milliseconds) override
    {
        Gate& gate = *currentGate;
        {
            std::unique_lock lock(gate.mutex);
            // A thread that goes on pausing after being told to stop is ended here instead of hanging the test.
            if (gate.stopping && ++gate.pausesAfterStop > 100)
                throw Runaway{};
            ++gate.pauses;
            gate.changed.notify_all();
            if (gated_)
                gate.changed.wait(lock, [&gate] { return gate.stopping; });
        }
        std::this_thread::yield();
        headless.pause(milliseconds);
    }

    std::unique_ptr<platform::WorkerThread> startThread(std::function<void()> body) override
    {
        gates.push_back(std::make_shared<Gate>());
        return std::make_unique<Worker>(gates.back(), std::move(body));
    }

    // Waits until worker `index` is inside its first pause.
    void awaitPause(std::size_t index)
    {
        Gate& gate = *gates.at(index);
        std::unique_lock lock(gate.mutex);
        gate.changed.wait(lock, [&gate] { return gate.pauses > 0; });
    }
    int pausesAfterStop(std::size_t index)
    {
        std::lock_guard lock(gates.at(index)->mutex);
        return gates[index]->pausesAfterStop;
    }

    HeadlessPlatform headless;
    std::vector<std::shared_ptr<Gate>> gates;

private:
    struct Runaway {};
    static inline thread_local Gate* currentGate = nullptr;

    class Worker final : public platform::WorkerThread {
    public:
        Worker(std::shared_ptr<Gate> gate, std::function<void()> body)
            : gate_(gate), thread_([this, gate, body = std::move(body)] {
                  currentGate = gate.get();
                  try {
                      body();
                  } catch (const Runaway&) {
                  }
                  finished_ = true;
              })
        {
        }
        ~Worker() override { join(); }
        void join() override
        {
            {
                std::lock_guard lock(gate_->mutex);
                gate_->stopping = true;
            }
            gate_->changed.notify_all();
            if (thread_.joinable())
                thread_.join();
        }
        bool finished() const override { return finished_; }

    private:
        std::shared_ptr<Gate> gate_;
        std::atomic<bool> finished_{false};
        std::thread thread_;
    };

    bool gated_;
};

TEST(ClockThreadTest, ANewGameOrQuittingEndsTheOldThreadWithinItsCurrentPause)
{
    ThreadedPlatform platform(true);
    RecordingLabel label(platform.headless);
    ClockFlags flags;
    auto clock = std::make_unique<GameClock>(platform, label, flags);
    clock->startGame();
    clock->startThread();
    platform.awaitPause(0);

    // Left with Escape, and a new game sets gameRunning again before the old thread has looked.
    flags.gameRunning = false;
    clock->startGame();
    clock->startThread();
    EXPECT_EQ(platform.pausesAfterStop(0), 0);

    platform.awaitPause(1);
    clock.reset();
    EXPECT_EQ(platform.pausesAfterStop(1), 0);
}

// The window thread plays at random beside a free-running clock thread: a stopped or recorded clock
// stays " 99:99:99" and a held or stopped clock's label never changes, whatever the thread had queued.
// The seed fixes the window thread's moves; the interleaving with the thread is left to chance.
TEST(ClockThreadTest, RandomPlayBesideTheRunningThreadKeepsTheLabelHonest)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        ThreadedPlatform platform(false);
        RecordingLabel label(platform.headless);
        ClockFlags flags;
        int records = 0;
        auto clock = std::make_unique<GameClock>(platform, label, flags, [&](const std::string& record) {
            ++records;
            EXPECT_EQ(record.size(), 10u);
            EXPECT_EQ(label.caption(), record);
        });
        bool stopShown = false;
        int solvesWhileRunning = 0;
        for (int move = 0; move < 3000; ++move) {
            switch (random() % 8) {
            case 0:
                clock->startGame();
                clock->startThread();
                stopShown = false;
                break;
            case 1:
                flags.gameRunning = false;
                clock->refreshClock();
                stopShown = true;
                break;
            case 2:
                flags.gameRunning = false; // left with Escape
                break;
            case 3:
                flags.clockHold = !flags.clockHold;
                break;
            case 4:
                solvesWhileRunning += flags.gameRunning;
                flags.gameSolved = true;
                clock->refreshClock();
                flags.gameSolved = false;
                stopShown = true;
                break;
            case 5:
                clock->refreshClock();
                stopShown = stopShown || !flags.gameRunning;
                break;
            default: {
                const std::string before = label.caption();
                platform.headless.deliverPending();
                if (stopShown) {
                    ASSERT_EQ(label.caption(), kStopped);
                }
                if (flags.clockHold || !flags.gameRunning) {
                    ASSERT_EQ(label.caption(), before);
                }
            }
            }
        }
        const std::string last = label.caption();
        clock.reset();
        platform.headless.deliverPending();
        EXPECT_EQ(label.caption(), last);
        EXPECT_LE(records, solvesWhileRunning);
        EXPECT_GT(records, 0);
        EXPECT_EQ(label.offThreadCalls.load(), 0);
    }
}

} // namespace
} // namespace quintaro
