// The real game on the Qt platform, played through its window: a new game from the menu, symbols typed into
// cells chosen with the mouse, the loop left by the Abort button and by Escape; at the factor the window
// opens at on the small test screen, then zoomed to twice the size.
#include "app/game.h"
#include "app/prompts.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_platform.h"
#include "private_settings.h"
#include "ui/cells.h"

#include <QAction>
#include <QtTest>

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

    // Where the middle of game pixel (x, y) lies in the canvas, as the window scales the game now.
    QPoint at(int x, int y) {
        const QPointF a = canvas().toWidget(x, y), b = canvas().toWidget(x + 1, y + 1);
        return ((a + b) / 2).toPoint();
    }

    // Clicks the middle of cell (c, r) of grid 0 and types s into the chooser; true once the chooser
    // opened over that cell and closed again.
    bool typeInto(int c, int r, int s) {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, at(213 + 33 * (c - 1) + 16, 15 + 33 * (r - 1) + 16));
        if (!QTest::qWaitFor([this] { return game_.play.entry.active; })) return false;
        if (!(game_.play.entry.cell == GridCell{0, c, r})) return false;
        QTest::keyClick(&canvas(), char('0' + s));
        return QTest::qWaitFor([this] { return !game_.play.entry.active; });
    }

    // Pixels of exactly this colour inside cell (c, r) of grid 0 of the window's client area.
    int pixelsInCell(platform::Rgb colour, int c, int r) {
        const CellCorner p = cellCorner({0, c, r});
        int n = 0;
        for (int y = p.y; y <= p.y + 30; ++y)
            for (int x = p.x; x <= p.x + 30; ++x) n += game_.mainWindow->surface().pixel(x, y) == colour;
        return n;
    }

private slots:
    void initTestCase() {
        platform_.setEventHandler(&game_);
        game_.startUp();
        window_ = dynamic_cast<platform::QtMainWindow*>(&platform_.mainWindow());
        QVERIFY(window_ && window_->isOpen());
    }

    // A right symbol, then in a second game a wrong one; the first game is left by the Abort button,
    // the second by Escape.
    void symbolsAreJudgedAsTypedAndTheGameEndsEitherWay() {
        constexpr platform::Rgb kDarkBlue{0, 0, 188}, kRed{255, 0, 0};
        // The offscreen screen of 800 x 600 is too small for factor 1.
        QVERIFY(window_->geometry().zoom < 1);
        for (const bool right : {true, false}) {
            if (!right) {
                window_->zoomTo(2);
                QTRY_COMPARE(canvas().area().factor, 2.0);
            }
            window_->action(8)->trigger(); // "Neues Spiel"
            QVERIFY(QTest::qWaitFor([this] { return game_.play.mode == GameMode::PlayLoop; }));
            QVERIFY(!window_->menuBarEnabled() && game_.play.gameRunning);
            QVERIFY(game_.play.clockLabel->caption().starts_with(" 00:00:"));
            QVERIFY(game_.board.board == game_.board.givens); // nothing of the last game's entries is left
            int c = 1, r = 1; // the first empty cell of grid 0, row by row, outside the boxes it shares
            while (r <= 6 && cellAt(game_.board.givens, c, r, 0) != 0)
                if (++c > 9) c = 1, ++r;
            QVERIFY(r <= 6);
            const int solution = cellAt(game_.board.solution, c, r, 0), typed = right ? solution : solution % 9 + 1;
            QVERIFY(typeInto(c, r, typed));

            QCOMPARE(int(cellAt(game_.board.board, c, r, 0)), typed);
            QVERIFY(pixelsInCell(right ? kDarkBlue : kRed, c, r) > 10);
            QCOMPARE(pixelsInCell(right ? kRed : kDarkBlue, c, r), 0);
            QCOMPARE(int(game_.board.errorCount), right ? 0 : 1);
            QCOMPARE(game_.view.panelState.statusText, std::string(right ? "Keine Fehler! " : "Falsche Zahl! "));
            QVERIFY(game_.play.mode == GameMode::PlayLoop && !window_->menuBarEnabled());

            if (right)
                QTest::mousePress(&canvas(), Qt::LeftButton, {}, at(650, 740)); // "Abbruch"
            else
                QTest::keyClick(&canvas(), Qt::Key_Escape);
            QTRY_VERIFY(game_.play.mode == GameMode::Idle);
            QVERIFY(window_->menuBarEnabled() && !game_.play.gameRunning);
            QCOMPARE(game_.view.hintText, std::string(prompt::ChooseCommand));
            QCOMPARE(int(cellAt(game_.board.board, c, r, 0)), typed); // the symbol stays where it was typed
            QCOMPARE(int(game_.board.errorCount), right ? 0 : 1);
            if (right) // the mouse leaves the clock stopped
                QCOMPARE(game_.play.clockLabel->caption(), std::string(" 99:99:99"));
        }
    }

    // The puzzle a worker thread made ahead is the next game's, named in the help panel.
    void aFreshPuzzleMadeOnAWorkerIsTheNextGame() {
        QVERIFY(game_.choices.freshPuzzles);
        QVERIFY(QTest::qWaitFor([this] { return game_.puzzles.ready(); }));
        const std::optional<PuzzleNumber> ahead = game_.puzzles.awaiting();
        QVERIFY(ahead && ahead->level == game_.choices.level);
        window_->action(8)->trigger(); // "Neues Spiel"
        QVERIFY(QTest::qWaitFor([this] { return game_.play.mode == GameMode::PlayLoop; }));
        QVERIFY(game_.play.puzzle == ahead && game_.play.gameRunning && !game_.board.noSolution);
        QCOMPARE(game_.view.hintText, "Rätsel " + formatPuzzleNumber(*ahead));
        QTest::keyClick(&canvas(), Qt::Key_Escape);
        QTRY_VERIFY(game_.play.mode == GameMode::Idle);
    }
};

// The platform owns the application object, so it is made before the test runs instead of by QTEST_MAIN.
int main(int argc, char** argv) {
    const PrivateSettingsFolder settingsFolder;
    auto platform = platform::createQtPlatform(argc, argv);
    PlayTest test(*platform);
    return QTest::qExec(&test, argc, argv);
}

#include "play_qtest.moc"
