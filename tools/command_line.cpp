// Parsing qbr's command lines.
#include "tools/command_line.h"

#include <algorithm>
#include <charconv>

namespace quintaro {

bool CommandLine::has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<std::string> CommandLine::value(const std::string& name) const {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

bool parseCommandLine(const std::vector<std::string>& args, std::span<const KnownOption> known, CommandLine& out,
                      std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            out.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name, inlineValue;
        bool hasInlineValue = false;
        const KnownOption* option = nullptr;
        if (arg.rfind("--", 0) == 0) {
            name = arg.substr(2);
            if (const auto eq = name.find('='); eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name.resize(eq);
                hasInlineValue = true;
            }
            for (const KnownOption& s : known)
                if (name == s.name) option = &s;
        } else if (arg.size() == 2) {
            for (const KnownOption& s : known)
                if (s.letter != 0 && arg[1] == s.letter) option = &s;
        }
        if (option == nullptr) {
            error = "unknown option " + arg;
            return false;
        }
        name = option->name;
        if (!option->takesValue) {
            if (hasInlineValue) {
                error = "option --" + name + " takes no value";
                return false;
            }
            out.flags.push_back(name);
            continue;
        }
        if (!hasInlineValue) {
            if (i + 1 >= args.size()) {
                error = "option --" + name + " needs a value";
                return false;
            }
            inlineValue = args[++i];
        }
        out.values[name] = inlineValue;
    }
    return true;
}

std::optional<long long> parseInteger(const std::string& text, long long min, long long max) {
    long long v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end || v < min || v > max) return std::nullopt;
    return v;
}

std::optional<std::uint64_t> parseSeed(const std::string& text) {
    std::uint64_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return v;
}

} // namespace quintaro
