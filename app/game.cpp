// Start-up of the game and the window's events outside of commands.
#include "app/game.h"

#include "app/hall_of_fame.h"
#include "app/menu_bar.h"
#include "app/prompts.h"
#include "app/event_position.h"
#include "app/symbol_highlight.h"
#include "engine/solution.h"
#include "storage/kept_game_file.h"
#include "ui/bottom_bar.h"
#include "ui/difficulty_panel.h"
#include "ui/field.h"
#include "ui/fonts.h"
#include "ui/help_panel.h"
#include "ui/statistics_panel.h"

namespace quintaro {

namespace {

constexpr const char* kTitle = "Quintaro V6.0 by Norvik";

} // namespace

Game::Game(platform::Platform& p) : platform(p), randomSource(p) {}

Display Game::display() {
    return Display{mainWindow->surface(), view.colourTable, view.screen, platform.largeFontMetric()};
}

PanelContext Game::panels() {
    return PanelContext{board, view.panelState, choices.digitMode, view.levelNames[std::size_t(choices.level)]};
}

void Game::countGivensNow() {
    view.panelState.givenCount = countGivenCells(board);
    Display d = display();
    drawGivenCount(d, panels());
}

void Game::startUp() {
    platform::MainWindow& window = platform.mainWindow();
    window.setTitle(kTitle);
    // The last run's settings; without a settings file every value is the classic start's.
    settings.path = settingsFilePath();
    settings.attempted = readPlayerSettings(settings.path).settings;
    window.open(openingGeometry(settings.attempted, platform.screenSize()));
    window.activate();

    view.colourTable = kProgramColours;
    board = Board{};
    choices = choicesOf(settings.attempted);
    folders = chooseGameFolders(platform.installedDataFolder(), platform.playerDataFolder());
    hallOfFame().read();
    view.levelNames = {" Leicht ", " Mittel ", "Schwer ", "Extrem "};

    mainWindow = &window;
    buildMenuBar(window);
    refreshCheckMarks(window, choices);
    window.setBackground(view.colourTable[colour::Background]);
    // Still blank background here: painting it back erases the button bar later.
    view.buttonBarBackground = window.surface().saveRectangle(18, 715, 707, 740);
    view.hintText = prompt::ChooseCommand;

    play.clockLabel = &window.createLabel("clock");
    play.clockLabel->setCaption(" 99:99:99");
    play.clockLabel->setGeometry(804, 662, 160, 30);
    play.clockLabel->setBackground(view.colourTable[colour::White]);
    play.clockLabel->setFont(platform::FontRequest::points("ARIAL", 24));
    play.clock = std::make_unique<GameClock>(platform, *play.clockLabel, play, [this](const std::string& record) {
        hallOfFame().recordChampion(record, choices.level, *mainWindow);
        play.escapeConsumed = true;
    });

    // The empty board's verdict and given count, for the panels of the first screen.
    judgeBoardNow();
    view.panelState.givenCount = countGivenCells(board);
    Display d = display();
    drawBottomBar(d);
    drawField(d, panels());
    drawHelpPanel(d, view.hintText);

    help.html = platform.htmlHelpAvailable();
    selectFont(d, font::Titles);

    offerKeptGame();
    rememberChoices();
    // The first new game's puzzle, made for the level and choice as they stand once start-up is over:
    // posted, so it follows the choices as they stand when the first events come.
    platform.post([this] { prepareFreshPuzzle(); });
}

std::string Game::keptGamesPath() const { return messagePath(filePath(kKeptGamesFileName)); }

void Game::rememberChoices() {
    const std::string failure = rememberSettings(settings, withChoices(settings.attempted, choices));
    if (!failure.empty()) platform.messageBox(failure);
}

int Game::run() {
    platform.setEventHandler(this);
    startUp();
    return platform.run();
}

void Game::handleEvent(const platform::Event& event) {
    // The player's input takes the hint away before it acts, lifting the cursor frame over it first.
    if (event.isInput() && view.hint.textBefore && mainWindow) {
        Display d = display();
        view.cursorFrame.remove(d);
        takeHintAway(d, view.hint, view.hintText);
    }
    playEvent(event);
    // Every change of the choices, by a menu command or a key of a game loop, is written here.
    rememberChoices();
}

void Game::dispatchEvent(const platform::Event& event) {
    using platform::EventKind;
    // Keys and clicks act only inside the game loops; while the chooser is open it takes them.
    const bool inLoop = play.mode != GameMode::Idle;
    switch (event.kind) {
    case EventKind::MenuCommand:
        if (play.mode == GameMode::Idle && mainWindow->menuBarEnabled()) runMenuCommand(menuCommandOf(event));
        break;
    case EventKind::PointerMoved:
        movePointer(event.x, event.y);
        break;
    case EventKind::CloseRequested:
        requestClose();
        break;
    case EventKind::KeyPressed:
        if (inLoop && !play.entry.active && event.code >= 0 && event.code < int(keysDown_.size()))
            keysDown_.set(std::size_t(event.code));
        break;
    case EventKind::KeyReleased:
        if (inLoop && !play.entry.active) onKeyReleased(event.code);
        break;
    case EventKind::KeyRepeated: // a held key repeats only the keyboard play's arrows
        break;
    case EventKind::Character:
        if (play.entry.active) onEntryCharacter(event.code);
        break;
    case EventKind::ButtonPressed: {
        const Pixel at = pixelOf(event);
        if (play.entry.active) {
            onEntryButton(platform::MouseButton(event.code), at);
            break;
        }
        // The symbol highlight takes clicks on the statistics panel, in the loops and while idle.
        if (event.code == int(platform::MouseButton::Left) && mainWindow != nullptr) {
            Display d = display();
            if (clickStatistics(d, board, choices.digitMode, at)) break;
        }
        if (inLoop) onButtonPressed(platform::MouseButton(event.code), at);
        break;
    }
    // A timed game is not charged for the time the window spends minimised.
    case EventKind::Minimised:
        if (play.clock) play.clock->pause(event.x);
        break;
    case EventKind::Restored:
        if (play.clock) play.clock->resume(event.x);
        break;
    }
}

} // namespace quintaro
