// The platform over Qt Widgets, for the real program: created once by main() before anything else.
#pragma once

#include "platform/platform.h"

#include <memory>

namespace quintaro::platform {

// Starts the Qt application (argc and argv must outlive the platform) with a random source seeded from the system.
std::unique_ptr<Platform> createQtPlatform(int& argc, char** argv);

} // namespace quintaro::platform
