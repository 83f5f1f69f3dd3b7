// Start-up of the game and the window's events outside of commands.
#include "app/game.h"

#include "app/prompts.h"
#include "app/rounding.h"
#include "app/window_position.h"
#include "ui/bottom_bar.h"
#include "ui/field.h"
#include "ui/fonts.h"
#include "ui/help_panel.h"

namespace quintaro {

namespace {

constexpr const char* kTitle = "Quintaro V6.0 by Norvik";

} // namespace

Game::Game(platform::Platform& p) : platform(p), randomSource(p) {}

Display Game::display()
{
    return Display{mainForm->surface(), colourTable, screen, platform.largeFontMetric()};
}

PanelContext Game::panels()
{
    return PanelContext{board, panelState, view, state.digitMode, levelNames[std::size_t(state.level)]};
}

void Game::startUp()
{
    platform::MainWindow& window = platform.mainWindow();
    window.setTitle(kTitle);
    const platform::ScreenSize screenSize = platform.screenSize();
    window.open(windowPosition(screenSize.width, screenSize.height));
    window.activate();

    colourTable = kProgramColours;
    board = Board{};
    state.digitMode = true;
    state.puzzleSymmetry = true;
    readHallOfFame();
    levelNames = {" Leicht ", " Mittel ", "Schwer ", "Extrem "};

    mainForm = &window;
    buildMenuBar();
    refreshCheckMarks();
    window.setBackground(colourTable[colour::Background]);
    // Still blank background here: painting it back erases the button bar later.
    buttonBarBackground = window.surface().saveRectangle(18, 715, 707, 740);
    state.hintText = prompt::ChooseCommand;

    clockDisplay = &window.createLabel("uhr");
    clockDisplay->setCaption(" 99:99:99");
    clockDisplay->setGeometry(804, 662, 160, 30);
    clockDisplay->setBackground(colourTable[colour::White]);
    clockDisplay->setFont(platform::FontRequest::points("ARIAL", 24));

    Display d = display();
    drawBottomBar(d);
    PanelContext p = panels();
    drawField(d, p);
    drawHelpPanel(d, state.hintText);

    state.htmlHelp = detectHtmlHelp();
    selectFont(d, font::Titles);
}

int Game::run()
{
    platform.setEventHandler(this);
    startUp();
    return platform.run();
}

void Game::handleEvent(const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::MenuCommand:
        if (mainForm->menuBarEnabled())
            Win_0_MenuEvent(event.code);
        break;
    case EventKind::PointerMoved:
        Win_0_MouseMove(event.x, event.y);
        break;
    case EventKind::CloseRequested:
        Win_0_Close();
        break;
    case EventKind::KeyReleased:
    case EventKind::Character:
    case EventKind::ButtonPressed:
        // Keys and clicks act only inside the game loops.
        break;
    }
}

void Game::Win_0_Close() { endProgram(); }

void Game::Win_0_MouseMove(double x, double y)
{
    state.mouseX = roundHalfEven(x);
    state.mouseY = roundHalfEven(y);
}

void Game::refreshClock()
{
    if (!state.gameRunning)
        clockDisplay->setCaption(" 99:99:99");
}

void Game::readHallOfFame() {}

bool Game::detectHtmlHelp() { return false; }

void Game::endProgram() { mainForm->close(); }

} // namespace quintaro
