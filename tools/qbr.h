// The qbr tool as a function: the command table, the overview help and the dispatch to a command.
#pragma once

#include <string>
#include <vector>

#include "tools/commands.h"

namespace quintaro {

// Runs qbr with args (without the program name); returns the exit code.
int runQbr(const std::vector<std::string>& args, Streams& io);

} // namespace quintaro
