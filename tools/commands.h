// qbr's commands: each takes its parsed command line and the streams, and returns the exit code.
#pragma once

#include <iosfwd>
#include <span>

#include "tools/command_line.h"

namespace quintaro {

// Exit codes shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitNegative = 1; // the command ran, and the answer is no: incomplete, problems found
constexpr int kExitBadInput = 2; // bad command line, unreadable or malformed input, unwritable output

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    const char* name;
    const char* summary; // one line for the overview
    const char* help;    // the full text of "qbr NAME --help"
    std::span<const KnownOption> options;
    int (*run)(const CommandLine&, Streams&);
};

extern const Command kShowCommand;
extern const Command kSolveCommand;
extern const Command kCheckCommand;
extern const Command kPackCommand;
extern const Command kGenerateCommand;

// Prints "qbr: message" on err and returns kExitBadInput.
int failInput(Streams& io, const std::string& message);

// Reads a record number argument 0..3; on failure prints a message and returns nullopt.
std::optional<int> recordArgument(const std::string& text, Streams& io);

} // namespace quintaro
