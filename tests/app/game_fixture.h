// A game started on the headless platform, shared by the tests that drive it.
#pragma once

#include "app/game.h"
#include "platform/headless/headless_platform.h"
#include "platform/rgb_printer.h"
#include "private_settings.h"

#include <gtest/gtest.h>

namespace quintaro {

// The event of the player choosing a command from the menu bar.
inline platform::Event menuEvent(MenuCommand command) { return platform::Event::menu(menuId(command)); }

// Whether the item of a command shows its check mark.
inline bool menuChecked(const platform::HeadlessMainWindow& window, MenuCommand command) {
    return window.menuChecked(menuId(command));
}

struct HeadlessGame {
    HeadlessGame() {
        platform.setEventHandler(&game);
        game.startUp();
    }
    PrivateSettingsFolder settingsFolder;
    platform::HeadlessPlatform platform{1, {1280, 1024}};
    Game game{platform};
    platform::HeadlessMainWindow& window = platform.window();
};

class GameTest : public ::testing::Test, protected HeadlessGame {};

} // namespace quintaro
