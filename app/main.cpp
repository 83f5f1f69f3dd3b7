// The program: the Qt platform, start-up and the idle loop.
#include "app/game.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    auto platform = quintaro::platform::createQtPlatform(argc, argv);
    quintaro::Game game(*platform);
    return game.run();
}
