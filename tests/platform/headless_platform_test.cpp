// The headless platform as tests drive it: event delivery, queued calls, scripted dialogs, fake time, threads.
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace quintaro::platform {
namespace {

// Records every event, and what it was doing when the next one arrived.
class Recorder final : public EventHandler {
public:
    explicit Recorder(HeadlessPlatform& p) : platform(p) {}
    void handleEvent(const Event& e) override
    {
        log.push_back("begin " + std::to_string(e.code));
        events.push_back(e);
        if (onEvent)
            onEvent(e);
        log.push_back("end " + std::to_string(e.code));
    }
    HeadlessPlatform& platform;
    std::vector<Event> events;
    std::vector<std::string> log;
    std::function<void(const Event&)> onEvent;
};

class HeadlessPlatformTest : public ::testing::Test {
protected:
    HeadlessPlatformTest() { platform.setEventHandler(&recorder); platform.mainWindow().open({0, 0, 100, 148}); }
    HeadlessPlatform platform{7};
    Recorder recorder{platform};
};

TEST_F(HeadlessPlatformTest, OpenGivesAClientAreaBelowTheFrameAllowance)
{
    EXPECT_EQ(platform.mainWindow().surface().width(), 100);
    EXPECT_EQ(platform.mainWindow().surface().height(), 100);
    platform.mainWindow().setBackground({1, 2, 3});
    EXPECT_EQ(platform.mainWindow().surface().pixel(99, 99), (Rgb{1, 2, 3}));
}

TEST_F(HeadlessPlatformTest, EventsArriveInOrderEachHandledToCompletion)
{
    recorder.onEvent = [this](const Event& e) {
        if (e.code == 1) {
            platform.inject(Event::menu(3));
            EXPECT_TRUE(platform.isInputPending());
            EXPECT_EQ(platform.deliverPending(), 0); // no nesting from inside a handler
        }
    };
    platform.inject(Event::menu(1));
    platform.inject(Event::keyReleased(2));
    EXPECT_EQ(platform.deliverPending(), 3);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"begin 1", "end 1", "begin 2", "end 2", "begin 3", "end 3"}));
    EXPECT_FALSE(platform.isInputPending());
}

TEST_F(HeadlessPlatformTest, ClickReportsThePointerPositionBeforeThePress)
{
    platform.click(MouseButton::Right, 12.5, 40);
    platform.deliverPending();
    ASSERT_EQ(recorder.events.size(), 2u);
    EXPECT_EQ(recorder.events[0], Event::moved(12.5, 40));
    EXPECT_EQ(recorder.events[1], Event::pressed(MouseButton::Right, 12.5, 40));
}

TEST_F(HeadlessPlatformTest, NothingIsDeliveredOnceTheWindowIsClosed)
{
    recorder.onEvent = [this](const Event&) { platform.mainWindow().close(); };
    platform.inject(Event::closeRequested());
    platform.inject(Event::menu(8));
    EXPECT_EQ(platform.run(), 0);
    EXPECT_EQ(recorder.events.size(), 1u);
    EXPECT_EQ(platform.queuedEvents(), 1u);
}

TEST_F(HeadlessPlatformTest, LabelCaptionFromAnotherThreadWaitsForTheWindowThread)
{
    Label& label = platform.mainWindow().createLabel("uhr");
    label.setCaption(" 99:99:99");
    EXPECT_EQ(label.caption(), " 99:99:99");
    std::thread([&] { label.setCaption(" 00:00:01"); }).join();
    EXPECT_EQ(label.caption(), " 99:99:99");
    EXPECT_EQ(platform.queuedCalls(), 1u);
    platform.deliverPending();
    EXPECT_EQ(label.caption(), " 00:00:01");
    EXPECT_EQ(platform.window().label("uhr"), &label);
    EXPECT_EQ(platform.window().label("other"), nullptr);
}

TEST_F(HeadlessPlatformTest, AlertBoxesTakeScriptedAnswersElseTheirDefault)
{
    platform.scriptAlertAnswer(1);
    EXPECT_EQ(platform.alertBox(AlertIcon::Question, "Spiel beenden?", "&JA|&NEIN", 2), 1);
    EXPECT_EQ(platform.alertBox(AlertIcon::Question, "Spiel beenden?", "&JA|&NEIN", 2), 2);
    ASSERT_EQ(platform.alerts().size(), 2u);
    EXPECT_EQ(platform.alerts()[0].buttons, "&JA|&NEIN");
    EXPECT_EQ(platform.alerts()[1].answer, 2);
    platform.messageBox("Druckerfehler!");
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Druckerfehler!"});
}

TEST_F(HeadlessPlatformTest, PauseAdvancesTheFakeClockWithoutWaiting)
{
    platform.setTime(100.25);
    platform.pause(50);
    EXPECT_DOUBLE_EQ(platform.timer(), 100.3);
    platform.advanceTime(3600);
    EXPECT_DOUBLE_EQ(platform.timer(), 3700.3);
}

TEST_F(HeadlessPlatformTest, RandomIsSeededAndInRange)
{
    HeadlessPlatform same{7}, other{8};
    std::vector<int> a, b, c;
    for (int i = 0; i < 200; ++i) {
        a.push_back(platform.random(4));
        b.push_back(same.random(4));
        c.push_back(other.random(4));
    }
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    for (int v : a)
        EXPECT_TRUE(v >= 0 && v < 4);
    for (int v = 0; v < 4; ++v)
        EXPECT_NE(std::find(a.begin(), a.end(), v), a.end()) << "value " << v << " never drawn";
    EXPECT_EQ(platform.random(1), 0);
    EXPECT_THROW(platform.random(0), std::invalid_argument);
}

TEST_F(HeadlessPlatformTest, StartedThreadsRunWhenTheTestSaysOrWhenJoined)
{
    int runs = 0;
    auto first = platform.startThread([&] { ++runs; });
    auto second = platform.startThread([&] { runs += 10; });
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(platform.startedThreads(), 2u);
    second->join();
    EXPECT_EQ(runs, 10);
    EXPECT_FALSE(first->finished());
    platform.runStartedThreads();
    EXPECT_EQ(runs, 11); // each body runs once
    EXPECT_TRUE(first->finished());
}

TEST_F(HeadlessPlatformTest, MenuStateIsRecordedAndRebuildingClearsIt)
{
    MainWindow& w = platform.mainWindow();
    MenuNode medium = MenuNode::item(31, "&Mittel");
    medium.checkable = true;
    w.setMenuBar({MenuNode::submenu("&A", {MenuNode::item(30, "&Leicht"), MenuNode::separator(),
                                           MenuNode::submenu("&Mehr", {medium})})});
    w.setMenuChecked(31, true);
    w.setMenuChecked(30, true); // no check box
    w.setMenuChecked(77, true); // not in the bar
    EXPECT_TRUE(w.menuChecked(31));
    EXPECT_FALSE(w.menuChecked(30));
    EXPECT_FALSE(w.menuChecked(77));
    w.setMenuBarEnabled(false);
    EXPECT_FALSE(w.menuBarEnabled());
    w.setMenuBar({MenuNode::submenu("&B", {medium})});
    EXPECT_FALSE(w.menuChecked(31));
    EXPECT_EQ(platform.window().menuBarsBuilt(), 2);
}

} // namespace
} // namespace quintaro::platform
