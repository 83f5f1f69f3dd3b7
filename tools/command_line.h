// qbr's command lines: options and positional arguments of one command, and number parsing.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quintaro {

// An option a command knows: --name, or its one-letter form -x when letter is set.
struct KnownOption {
    const char* name;
    char letter;     // 0: no short form
    bool takesValue; // --name VALUE, --name=VALUE or -xVALUE; otherwise a flag
};

struct CommandLine {
    std::vector<std::string> positional;       // in order; "-" is positional (standard input)
    std::map<std::string, std::string> values; // options with a value, by name
    std::vector<std::string> flags;            // flags given, by name

    bool has(const std::string& flag) const;
    std::optional<std::string> value(const std::string& name) const;
};

enum class ParseOutcome {
    Parsed,
    HelpAsked, // -h or --help among the options: nothing else is reported
    Failed,    // error says why
};

// Parses the arguments after the command word. "--" ends the options. Fails with a message in error
// for an unknown option, a missing value, a value given to a flag or an option with a value given
// more than once (which one was meant is not guessed); arguments in error are escaped.
ParseOutcome parseCommandLine(const std::vector<std::string>& args, std::span<const KnownOption> known,
                              CommandLine& out, std::string& error);

// A whole decimal number within min..max; nothing else (no sign for seeds, no trailing characters).
std::optional<long long> parseInteger(const std::string& text, long long min, long long max);
std::optional<std::uint64_t> parseSeed(const std::string& text);

} // namespace quintaro
