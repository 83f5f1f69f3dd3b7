// qbr's option parsing and number arguments.
#include <gtest/gtest.h>

#include <array>

#include "tools/command_line.h"

namespace quintaro {
namespace {

constexpr std::array<KnownOption, 3> kKnown{{{"output", 'o', true}, {"trace", 't', false}, {"seed", 0, true}}};

struct Parse {
    ParseOutcome outcome;
    CommandLine line;
    std::string error;
};

Parse parse(const std::vector<std::string>& args) {
    Parse p{};
    p.outcome = parseCommandLine(args, kKnown, p.line, p.error);
    return p;
}

TEST(ParseCommandLine, SeparatesOptionsFlagsAndPositionalsAndNamesWhatIsWrong) {
    const CommandLine line =
        parse({"a.txt", "--seed=7", "-", "--trace", "-3", "--output", "--seed", "--", "--seed", "-h"}).line;
    EXPECT_EQ(line.positional, (std::vector<std::string>{"a.txt", "-", "-3", "--seed", "-h"}));
    EXPECT_EQ(line.value("output"), "--seed") << "a value may look like an option";
    EXPECT_EQ(line.value("seed"), "7");
    EXPECT_TRUE(line.has("trace"));
    EXPECT_FALSE(line.value("trace").has_value() || line.has("output"));
    EXPECT_EQ(parse({"-tofile"}).line.value("output"), "file");

    for (const auto& [args, error] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"a", "--frobnicate=1"}, "unknown option --frobnicate=1"},
             {{"-x"}, "unknown option -x"},
             {{"a", "-o"}, "option --output needs a value"},
             {{"--seed="}, "option --seed needs a value"},
             {{"--trace=yes"}, "option --trace takes no value"},
             {{"-o", "a", "b", "--output=c"}, "option --output is given more than once"},
             {{"--seed=1", "--seed", "1"}, "option --seed is given more than once"},
             {{"a", "--\x1b]0;x\x07"}, "unknown option --\\x1b]0;x\\x07"},
         }) {
        const Parse p = parse(args);
        EXPECT_EQ(p.outcome, ParseOutcome::Failed) << args[0];
        EXPECT_EQ(p.error, error);
    }
    for (const auto& args : std::vector<std::vector<std::string>>{{"-h"}, {"a", "--frob", "--help"}})
        EXPECT_EQ(parse(args).outcome, ParseOutcome::HelpAsked) << args.back();
}

TEST(ParseNumbers, AcceptWholeNumbersInRangeOnly) {
    EXPECT_TRUE(parseInteger("3", 0, 3) == 3 && parseInteger("0", 0, 3) == 0);
    for (const char* bad : {"4", "-1", "", "2x", " 2", "1.0", "99999999999999999999"})
        EXPECT_FALSE(parseInteger(bad, 0, 3).has_value()) << bad;
    EXPECT_EQ(parseSeed("18446744073709551615"), 18446744073709551615ull);
    EXPECT_FALSE(parseSeed("18446744073709551616").has_value());
    EXPECT_FALSE(parseSeed("-1").has_value());
}

} // namespace
} // namespace quintaro
