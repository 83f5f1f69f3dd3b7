// The headless platform as tests drive it: event delivery, queued calls, fake time, threads.
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

namespace quintaro::platform {
namespace {

class HeadlessPlatformTest : public ::testing::Test, public EventHandler {
protected:
    HeadlessPlatformTest() {
        platform.setEventHandler(this);
        platform.mainWindow().open({0, 0, 100, 148});
    }
    void handleEvent(const Event& e) override {
        events.push_back(e);
        if (handle) handle(e);
    }
    HeadlessPlatform platform{7};
    std::vector<Event> events;
    std::function<void(const Event&)> handle;
};

TEST_F(HeadlessPlatformTest, EventsArriveInOrderEachHandledToCompletionUntilTheWindowCloses) {
    int depth = 0;
    handle = [&](const Event& e) {
        EXPECT_EQ(++depth, 1) << "one event at a time";
        if (e == Event::menu(1)) {
            platform.inject(Event::menu(3));
            EXPECT_TRUE(platform.isInputPending());
            EXPECT_EQ(platform.deliverPending(), 0); // no nesting from inside a handler
        }
        if (e == Event::menu(3)) platform.mainWindow().close();
        --depth;
    };
    platform.inject(Event::menu(1));
    platform.click(MouseButton::Right, 12.5, 40); // the pointer moves there, then the button goes down
    EXPECT_EQ(platform.run(), 0);
    EXPECT_EQ(events, (std::vector{Event::menu(1), Event::moved(12.5, 40), Event::pressed(MouseButton::Right, 12.5, 40),
                                   Event::menu(3)}));
    EXPECT_FALSE(platform.isInputPending());
    platform.inject(Event::menu(8));
    EXPECT_EQ(platform.deliverPending(), 0) << "nothing once the window is closed";
    EXPECT_EQ(platform.queuedEvents(), 1u);
}

TEST_F(HeadlessPlatformTest, WindowHasTheClientAreaBelowTheFrameAllowanceAndRecordsLabelsAndMenuState) {
    MainWindow& w = platform.mainWindow();
    EXPECT_EQ((std::pair{w.surface().width(), w.surface().height()}), (std::pair{100, 100}));
    w.setBackground({1, 2, 3});
    EXPECT_EQ(w.surface().pixel(99, 99), (Rgb{1, 2, 3}));

    Label& label = w.createLabel("clock");
    label.setCaption(" 99:99:99");
    std::thread([&] { label.setCaption(" 00:00:01"); }).join();
    EXPECT_EQ(label.caption(), " 99:99:99") << "a caption from another thread waits for the window thread";
    EXPECT_EQ(platform.queuedCalls(), 1u);
    platform.deliverPending();
    EXPECT_EQ(label.caption(), " 00:00:01");
    EXPECT_EQ(platform.window().label("clock"), &label);
    EXPECT_EQ(platform.window().label("other"), nullptr);

    constexpr int kEasy = 30, kMedium = 31, kNotInTheBar = 77; // any ids: the window only keeps them
    MenuNode medium = MenuNode::item(kMedium, "&Mittel");
    medium.checkable = true;
    w.setMenuBar({MenuNode::submenu(
        "&A", {MenuNode::item(kEasy, "&Leicht"), MenuNode::separator(), MenuNode::submenu("&Mehr", {medium})})});
    for (int id : {kMedium, kEasy, kNotInTheBar}) // kEasy has no check box
        w.setMenuChecked(id, true);
    EXPECT_TRUE(w.menuChecked(kMedium) && !w.menuChecked(kEasy) && !w.menuChecked(kNotInTheBar));
    w.setMenuBar({MenuNode::submenu("&B", {medium})});
    EXPECT_FALSE(w.menuChecked(kMedium)) << "a new menu bar starts without check marks";
    EXPECT_EQ(platform.window().menuBarsBuilt(), 2);
}

TEST_F(HeadlessPlatformTest, TimeAndStartedThreadsMoveOnlyWhenTheTestSays) {
    platform.setTime(100.25);
    platform.pause(50);
    EXPECT_DOUBLE_EQ(platform.timer(), 100.3);
    platform.advanceTime(3600);
    EXPECT_DOUBLE_EQ(platform.timer(), 3700.3);

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

TEST_F(HeadlessPlatformTest, RandomIsSeededAndDrawsEveryValueInRange) {
    HeadlessPlatform same{7}, other{8};
    std::vector<int> a, b, c;
    for (int i = 0; i < 200; ++i)
        a.push_back(platform.random(4)), b.push_back(same.random(4)), c.push_back(other.random(4));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(std::set(a.begin(), a.end()), (std::set{0, 1, 2, 3}));
    EXPECT_EQ(platform.random(1), 0);
    EXPECT_THROW(platform.random(0), std::invalid_argument);
}

} // namespace
} // namespace quintaro::platform
