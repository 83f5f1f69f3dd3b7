// qbr's overview help and command dispatch.
#include "tools/qbr.h"

#include <array>
#include <ostream>

#include "tools/escape_text.h"

namespace quintaro {

namespace {

const std::array<const Command*, 5> kCommands{&kShowCommand, &kSolveCommand, &kCheckCommand, &kPackCommand,
                                              &kGenerateCommand};

void printOverview(std::ostream& out) {
    out << "qbr - board files and puzzle collections of Quintaro\n"
           "\n"
           "usage: qbr COMMAND [ARGUMENTS...]\n"
           "       qbr COMMAND --help     the command's arguments and options\n"
           "\n"
           "commands:\n";
    for (const Command* c : kCommands)
        out << "  " << c->name << std::string(10 - std::string(c->name).size(), ' ') << c->summary << "\n";
    out << "\n"
           "A board file (*.qbr) holds four records 0..3 of 6,000 bytes, each a board, its givens, candidate\n"
           "flags and a clock. A text field is 21 lines of 21 characters: '1'..'9' a symbol, '.' or '0' an\n"
           "empty cell, a blank where no grid lies (trailing blanks may be left out).\n"
           "\n"
           "exit codes: 0 success, 1 the answer is no (incomplete solve, problems found),\n"
           "            2 bad arguments or input that cannot be read or written.\n";
}

} // namespace

int failInput(Streams& io, const std::string& message) {
    io.err << "qbr: " << message << "\n";
    return kExitBadInput;
}

std::optional<int> recordArgument(const std::string& text, Streams& io) {
    const auto record = parseInteger(text, 0, 3);
    if (!record) failInput(io, "record must be 0, 1, 2 or 3, not '" + shownName(text) + "'");
    return record ? std::optional<int>(static_cast<int>(*record)) : std::nullopt;
}

int runQbr(const std::vector<std::string>& args, Streams& io) {
    if (args.empty()) {
        printOverview(io.err);
        return kExitBadInput;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        if (args.size() > 1 && args[0] == "help") return runQbr({args[1], "--help"}, io);
        printOverview(io.out);
        return kExitOk;
    }
    for (const Command* c : kCommands) {
        if (args[0] != c->name) continue;
        CommandLine line;
        std::string error;
        switch (parseCommandLine({args.begin() + 1, args.end()}, c->options, line, error)) {
        case ParseOutcome::Parsed:
            return c->run(line, io);
        case ParseOutcome::HelpAsked:
            io.out << c->help;
            return kExitOk;
        case ParseOutcome::Failed:
            break;
        }
        return failInput(io, std::string(c->name) + ": " + error + " (see qbr " + c->name + " --help)");
    }
    failInput(io, "unknown command '" + shownName(args[0]) + "'");
    printOverview(io.err);
    return kExitBadInput;
}

} // namespace quintaro
