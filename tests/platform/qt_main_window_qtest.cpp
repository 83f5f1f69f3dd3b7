// The Qt main window at widget level: input becomes game events, the menu bar is built from data,
// close requests are reported, labels take captions from other threads; the client area scales with the window.
#include "platform/qt/qt_key_codes.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt_image_surface.h"

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

    void atTwiceTheSizeLinesAreTwiceAsThickAndPointerPositionsMapBack() {
        window->close();
        window = std::make_unique<QtMainWindow>([this](const Event& e) { events.push_back(e); });
        window->setBackground({0xB4, 0xC8, 0xD0});
        window->open({10, 20, 1052, 835, 2.0});
        Canvas& canvas = window->widget().canvas();
        QCOMPARE(canvas.size(), QSize(2104, 1574));
        QCOMPARE(window->geometry().zoom, 2.0);
        Surface& s = window->surface();
        QCOMPARE(QSize(s.width(), s.height()), QSize(1052, 787)); // the game keeps its pixels
        s.setForeground({0, 0, 188});
        s.line(5, 5, 50, 5);
        const QImage& image = imageOf(dynamic_cast<ImageSurface&>(s));
        QCOMPARE(image.pixel(10, 10), qRgb(0, 0, 188));
        QCOMPARE(image.pixel(10, 11), qRgb(0, 0, 188));
        QCOMPARE(image.pixel(10, 12), qRgb(0xB4, 0xC8, 0xD0));
        QCOMPARE(image.pixel(101, 10), qRgb(0, 0, 188));
        QCOMPARE(image.pixel(102, 10), qRgb(0xB4, 0xC8, 0xD0));

        QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(201, 401));
        QCOMPARE(events.back(), Event::pressed(MouseButton::Left, 100, 200));
        // The label keeps its place in the game and its text grows with it.
        Label& label = window->createLabel("clock");
        label.setFont(FontRequest::points("ARIAL", 24));
        label.setGeometry(804, 662, 160, 30);
        auto& qtLabel = dynamic_cast<QtLabel&>(label);
        QCOMPARE(qtLabel.widget().geometry(), QRect(1608, 1324, 320, 60));
        QCOMPARE(qtLabel.widget().font().pixelSize(), 64);

        // Wider than the game: it stays at twice the size, centred, and the bands take no presses.
        window->widget().resize(2304, window->widget().height());
        QCOMPARE(canvas.area().factor, 2.0);
        QCOMPARE(canvas.area().left, 100);
        QCOMPARE(qtLabel.widget().geometry(), QRect(1708, 1324, 320, 60));
        const std::size_t before = events.size();
        QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(50, 401));
        QCOMPARE(events.size(), before);
        QTest::mousePress(&canvas, Qt::RightButton, {}, QPoint(301, 401));
        QCOMPARE(events.back(), Event::pressed(MouseButton::Right, 100, 200));
        // A form the game places 238, 281 from the window's corner lands over the same part of the game.
        const QPoint canvasCorner = canvas.mapToGlobal(QPoint(0, 0));
        const QPoint around = canvasCorner - window->widget().pos();
        const WindowGeometry at = window->geometry();
        QCOMPARE(window->formCorner(at.x + 238, at.y + 281),
                 canvasCorner + QPoint(100 + 2 * (238 - around.x()), 2 * (281 - around.y())));

        // Half the size: drawn again at half the size, the line still a device pixel thick.
        window->zoomTo(0.5);
        QCOMPARE(canvas.area().factor, 0.5);
        QCOMPARE(image.size(), QSize(canvas.area().width, canvas.area().height));
        QCOMPARE(image.pixel(10, 2), qRgb(0, 0, 188));
        QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(50, 100));
        QCOMPARE(events.back(), Event::pressed(MouseButton::Left, 101, 201)); // the device pixel's middle
    }

    void atFactorOneFormsKeepTheirOffsetFromTheWindowsCorner() {
        const WindowGeometry at = window->geometry();
        QCOMPARE(at.zoom, 1.0);
        QCOMPARE(window->formCorner(at.x + 686, at.y + 266), window->widget().pos() + QPoint(686, 266));
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
