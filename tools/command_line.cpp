// Parsing qbr's command lines with CLI11; the commands see only the plain CommandLine it fills.
#include "tools/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>

#include "tools/escape_text.h"

namespace quintaro {

namespace {

std::string namesOf(const KnownOption& option) {
    const std::string longName = std::string("--") + option.name;
    return option.letter == 0 ? longName : std::string{'-', option.letter} + "," + longName;
}

// CLI11 tells a missing value or a value given to a flag by one exception type; its message names
// the option ("--level: 1 required ..." or "trace was given a disallowed flag override").
std::string mismatchMessage(const std::string& what, std::span<const KnownOption> known) {
    constexpr std::string_view kOverride = " was given a disallowed flag override";
    for (const KnownOption& o : known) {
        const std::string name = o.name;
        if (o.takesValue && what.rfind("--" + name + ":", 0) == 0) return "option --" + name + " needs a value";
        if (!o.takesValue && what.size() > kOverride.size() && what.ends_with(kOverride)) {
            const std::string given = what.substr(0, what.size() - kOverride.size());
            if (given == name || (o.letter != 0 && given == std::string(1, o.letter)))
                return "option --" + name + " takes no value";
        }
    }
    return what;
}

} // namespace

bool CommandLine::has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<std::string> CommandLine::value(const std::string& name) const {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

ParseOutcome parseCommandLine(const std::vector<std::string>& args, std::span<const KnownOption> known,
                              CommandLine& out, std::string& error) {
    CLI::App app;
    app.set_help_flag("-h,--help");
    for (const KnownOption& o : known) {
        const std::string name = o.name;
        if (o.takesValue)
            app.add_option_function<std::string>(namesOf(o),
                                                 [&out, name](const std::string& v) { out.values[name] = v; })
                ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        else
            app.add_flag_callback(namesOf(o), [&out, name] { out.flags.push_back(name); })->disable_flag_override();
    }
    app.add_option("arguments", out.positional);

    std::vector<std::string> reversed(args.rbegin(), args.rend()); // CLI11 takes its arguments back to front
    try {
        app.parse(reversed);
        for (const KnownOption& o : known)
            if (o.takesValue && app.get_option(std::string("--") + o.name)->count() > 1) {
                error = std::string("option --") + o.name + " is given more than once";
                return ParseOutcome::Failed;
            }
        return ParseOutcome::Parsed;
    } catch (const CLI::CallForHelp&) {
        return ParseOutcome::HelpAsked;
    } catch (const CLI::ExtrasError& e) {
        // Only unknown options are left over: the positional arguments take everything else.
        const std::vector<std::string> left = app.remaining();
        const auto first = std::find_if(left.begin(), left.end(), [](const std::string& a) { return a != "--"; });
        error = first == left.end() ? escapeText(e.what()) : "unknown option " + shownName(*first);
    } catch (const CLI::ArgumentMismatch& e) {
        error = escapeText(mismatchMessage(e.what(), known));
    } catch (const CLI::ParseError& e) {
        error = escapeText(e.what());
    }
    return ParseOutcome::Failed;
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
