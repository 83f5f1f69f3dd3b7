// The real game on the Qt platform, played through its window: a new game from the menu, symbols typed into
// cells chosen with the mouse, the loop left by the Abort button and by Escape.
#include "app/game.h"
#include "app/prompts.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_platform.h"
#include "ui/cells.h"

#include <QAction>
#include <QtTest>

#include <utility>
#include <vector>

using namespace quintaro;

class PlayTest : public QObject {
    Q_OBJECT

public:
    explicit PlayTest(platform::Platform& p) : platform_(p), game_(p) {}

private:
    platform::Platform& platform_;
    Game game_;
    platform::QtMainWindow* window_ = nullptr;

    platform::Canvas& canvas() { return window_->widget().canvas(); }

    // Chooses "Neues Spiel" from the menu; true once its play loop runs.
    bool startNewGame()
    {
        QAction* newGame = window_->action(8);
        if (!newGame)
            return false;
        newGame->trigger();
        return QTest::qWaitFor([this] { return game_.mode == GameMode::PlayLoop; });
    }

    // The empty cells of grid 0 outside the boxes it shares, row by row.
    std::vector<std::pair<int, int>> emptyCells(std::size_t n) const
    {
        std::vector<std::pair<int, int>> cells;
        for (int r = 1; r <= 6 && cells.size() < n; ++r)
            for (int c = 1; c <= 9 && cells.size() < n; ++c)
                if (cellAt(game_.board.givens, c, r, 0) == 0)
                    cells.push_back({c, r});
        return cells;
    }

    // Clicks the middle of cell (c, r) of grid 0 and types s into the chooser; true once the chooser
    // opened and closed again.
    bool typeInto(int c, int r, int s)
    {
        const QPoint middle(213 + 33 * (c - 1) + 16, 15 + 33 * (r - 1) + 16);
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, middle);
        if (!QTest::qWaitFor([this] { return game_.entry.active; }))
            return false;
        QTest::keyClick(&canvas(), char('0' + s));
        return QTest::qWaitFor([this] { return !game_.entry.active; });
    }

    // Pixels of exactly this colour inside cell (c, r) of grid 0 of the window's client area.
    int pixelsInCell(platform::Rgb colour, int c, int r)
    {
        const CellCorner p = cellCorner(game_.screen, c, r, 0);
        int n = 0;
        for (int y = p.y; y <= p.y + 30; ++y)
            for (int x = p.x; x <= p.x + 30; ++x)
                n += game_.mainForm->surface().pixel(x, y) == colour;
        return n;
    }

    static constexpr platform::Rgb kDarkBlue{0, 0, 188}, kRed{255, 0, 0};

private slots:
    void initTestCase()
    {
        platform_.setEventHandler(&game_);
        game_.startUp();
        window_ = dynamic_cast<platform::QtMainWindow*>(&platform_.mainWindow());
        QVERIFY(window_);
        QVERIFY(window_->isOpen());
        QCOMPARE(game_.state.hintText, std::string(prompt::ChooseCommand));
    }

    void rightSymbolIsBlueAndTheAbortButtonEndsTheGame()
    {
        QVERIFY(startNewGame());
        QVERIFY(!window_->menuBarEnabled());
        QVERIFY(game_.state.gameRunning);
        QVERIFY(game_.clockDisplay->caption().starts_with(" 00:00:"));

        const auto cells = emptyCells(1);
        QCOMPARE(cells.size(), std::size_t(1));
        const auto [c, r] = cells.front();
        const int right = cellAt(game_.board.solution, c, r, 0);
        QVERIFY(right >= 1 && right <= 9);
        QVERIFY(typeInto(c, r, right));

        QCOMPARE(int(cellAt(game_.board.board, c, r, 0)), right);
        QVERIFY(pixelsInCell(kDarkBlue, c, r) > 10);
        QCOMPARE(pixelsInCell(kRed, c, r), 0);
        QCOMPARE(int(game_.board.errorCount), 0);
        QCOMPARE(game_.panelState.statusText, std::string("Keine Fehler! "));
        QVERIFY(game_.mode == GameMode::PlayLoop);
        QVERIFY(!window_->menuBarEnabled());

        QTest::mousePress(&canvas(), Qt::LeftButton, {}, QPoint(650, 740));
        QTRY_VERIFY(game_.mode == GameMode::Idle);
        QVERIFY(window_->menuBarEnabled());
        QCOMPARE(game_.state.hintText, std::string(prompt::ChooseCommand));
        QVERIFY(!game_.state.gameRunning);
        QCOMPARE(game_.clockDisplay->caption(), std::string(" 99:99:99"));
        // The symbol stays where it was typed.
        QCOMPARE(int(cellAt(game_.board.board, c, r, 0)), right);
    }

    void wrongSymbolIsRedAndCountedAndEscapeEndsTheGame()
    {
        // A second game from the menu after the first was aborted.
        QVERIFY(startNewGame());
        QCOMPARE(int(game_.board.errorCount), 0);
        QVERIFY(game_.board.board == game_.board.givens); // nothing of the last game's entries is left
        const auto cells = emptyCells(1);
        QCOMPARE(cells.size(), std::size_t(1));
        const auto [c, r] = cells.front();
        const int wrong = cellAt(game_.board.solution, c, r, 0) % 9 + 1;
        QVERIFY(typeInto(c, r, wrong));

        QCOMPARE(int(cellAt(game_.board.board, c, r, 0)), wrong);
        QVERIFY(pixelsInCell(kRed, c, r) > 10);
        QCOMPARE(pixelsInCell(kDarkBlue, c, r), 0);
        QCOMPARE(int(game_.board.errorCount), 1);
        QCOMPARE(game_.panelState.statusText, std::string("Falsche Zahl! "));

        QTest::keyClick(&canvas(), Qt::Key_Escape);
        QTRY_VERIFY(game_.mode == GameMode::Idle);
        QVERIFY(window_->menuBarEnabled());
        QCOMPARE(game_.state.hintText, std::string(prompt::ChooseCommand));
        QCOMPARE(int(game_.board.errorCount), 1);
    }
};

// The platform owns the application object, so it is made before the test runs instead of by QTEST_MAIN.
int main(int argc, char** argv)
{
    auto platform = platform::createQtPlatform(argc, argv);
    PlayTest test(*platform);
    return QTest::qExec(&test, argc, argv);
}

#include "play_qtest.moc"
