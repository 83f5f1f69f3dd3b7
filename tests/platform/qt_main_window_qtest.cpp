// The Qt main window at widget level: input becomes game events, the menu bar is built from data,
// close requests are reported, labels take captions from other threads.
#include "platform/qt/qt_key_codes.h"
#include "platform/qt/qt_main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <thread>
#include <vector>

using namespace quintaro::platform;

class QtMainWindowTest : public QObject {
    Q_OBJECT

private:
    std::vector<Event> events;
    std::unique_ptr<QtMainWindow> window;

private slots:
    void init() {
        events.clear();
        window = std::make_unique<QtMainWindow>([this](const Event& e) { events.push_back(e); });
        window->open({10, 20, 1052, 835});
    }
    void cleanup() { window.reset(); }

    void clientAreaIsTheOuterSizeLessTheFrameAllowanceAndShowsDrawingAtOnce() {
        QCOMPARE(window->widget().canvas().size(), QSize(1052, 787));
        Surface& s = window->surface();
        QCOMPARE(QSize(s.width(), s.height()), QSize(1052, 787));
        s.setForeground({0, 0, 188});
        s.line(5, 5, 50, 5);
        QCOMPARE(s.pixel(50, 5), (Rgb{0, 0, 188})); // no repaint needed
    }

    void keysReportTheirVirtualKeyWhateverTheShiftAndTypeTheirCharacter() {
        for (const auto& [key, vk] : {std::pair{Qt::Key_A, 0x41},
                                      {Qt::Key_Z, 0x5A},
                                      {Qt::Key_0, 0x30},
                                      {Qt::Key_Escape, 0x1B},
                                      {Qt::Key_Enter, 0x0D},
                                      {Qt::Key_F12, 0x7B},
                                      {Qt::Key_Adiaeresis, 0}})
            QCOMPARE(virtualKeyFor(key), vk);
        Canvas& canvas = window->widget().canvas();
        QTest::keyPress(&canvas, Qt::Key_Escape);
        QTest::keyPress(&canvas, Qt::Key_Return);
        QTest::keyClick(&canvas, 'a');
        QTest::keyPress(&canvas, Qt::Key_Shift); // types nothing
        QTest::keyRelease(&canvas, Qt::Key_K, Qt::ShiftModifier);
        std::vector<int> typed, released;
        for (const Event& e : events) {
            if (e.kind == EventKind::Character) typed.push_back(e.code);
            if (e.kind == EventKind::KeyReleased && e.code != VirtualKey::Shift) released.push_back(e.code);
        }
        QCOMPARE(typed, (std::vector<int>{CharacterCode::Escape, CharacterCode::Enter, 'a'}));
        QCOMPARE(released, (std::vector<int>{0x41, 0x4B}));
        // Each press is also reported by its key, before its character, so a game loop can tell which
        // releases follow a press it saw.
        QCOMPARE(events[0], Event::keyPressed(VirtualKey::Escape));
        QCOMPARE(events[1], Event::character(CharacterCode::Escape));
    }

    void aPressIsPrecededByThePointerPosition() {
        Canvas& canvas = window->widget().canvas();
        QTest::mousePress(&canvas, Qt::RightButton, {}, QPoint(100, 200));
        QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(100, 200)); // no second move for the same place
        QCOMPARE(events, (std::vector{Event::moved(100, 200), Event::pressed(MouseButton::Right, 100, 200),
                                      Event::pressed(MouseButton::Left, 100, 200)}));
    }

    void menuBarIsBuiltFromNodesAndReportsIds() {
        constexpr int kNewGame = 8, kEasy = 30, kHelp = 60; // any ids: the window only passes them on
        MenuNode level = MenuNode::item(kEasy, "&Leicht");
        level.checkable = true;
        window->setMenuBar(
            {MenuNode::submenu("&Quintaro", {MenuNode::item(kNewGame, "&Neues Spiel"), MenuNode::separator(),
                                             MenuNode::submenu("&Mehr", {level})}),
             MenuNode::submenu("&Hilfe", {MenuNode::item(kHelp, "&Anleitung")})});
        QMenuBar* bar = window->widget().menuBar();
        QCOMPARE(bar->actions().size(), 2);
        QCOMPARE(bar->actions()[0]->text(), QString("&Quintaro"));
        const auto items = bar->actions()[0]->menu()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QString("&Neues Spiel"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->menu()->actions().at(0)->text(), QString("&Leicht"));

        window->setMenuChecked(kEasy, true);
        window->action(kEasy)->trigger();
        QCOMPARE(events.back(), Event::menu(kEasy));
        QVERIFY(window->menuChecked(kEasy)); // only the game changes check marks
        window->setMenuChecked(kNewGame, true);
        QVERIFY(!window->menuChecked(kNewGame)); // a plain command has no check box
        window->setMenuBarEnabled(false);
        QVERIFY(!bar->isEnabled());
    }

    void closeRequestIsReportedUntilTheGameCloses() {
        QVERIFY(!window->widget().close());
        QCOMPARE(events.back(), Event::closeRequested());
        QVERIFY(window->isOpen());
        window->close();
        QVERIFY(!window->isOpen() && !window->widget().isVisible());
    }

    void minimisingAndRestoringAreReportedOnceEachWithTheirMoment() {
        window->widget().showMinimized();
        window->widget().showMinimized();
        window->widget().showNormal();
        QCOMPARE(events.size(), std::size_t(2));
        QCOMPARE(events[0].kind, EventKind::Minimised);
        QCOMPARE(events[1].kind, EventKind::Restored);
        QVERIFY(events[0].x > 0 && events[1].x >= events[0].x);
    }

    void labelCaptionFromAnotherThreadIsQueued() {
        Label& label = window->createLabel("clock");
        label.setCaption(" 99:99:99");
        std::thread([&] { label.setCaption(" 00:00:05"); }).join();
        QCOMPARE(label.caption(), std::string(" 99:99:99"));
        QCoreApplication::processEvents();
        QCOMPARE(label.caption(), std::string(" 00:00:05"));
    }
};

QTEST_MAIN(QtMainWindowTest)
#include "qt_main_window_qtest.moc"
