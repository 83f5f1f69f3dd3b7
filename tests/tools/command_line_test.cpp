// qbr's option parsing and number arguments.
#include <gtest/gtest.h>

#include <array>

#include "tools/command_line.h"

namespace quintaro {
namespace {

constexpr std::array<KnownOption, 3> kKnown{{{"output", 'o', true}, {"trace", 't', false}, {"seed", 0, true}}};

CommandLine parsed(const std::vector<std::string>& args) {
    CommandLine line;
    std::string error;
    EXPECT_TRUE(parseCommandLine(args, kKnown, line, error)) << error;
    return line;
}

std::string failure(const std::vector<std::string>& args) {
    CommandLine line;
    std::string error;
    EXPECT_FALSE(parseCommandLine(args, kKnown, line, error));
    return error;
}

TEST(ParseCommandLine, SeparatesOptionsFlagsAndPositionalsAndNamesWhatIsWrong) {
    const CommandLine line = parsed({"a.txt", "-o", "out.qbr", "--seed=7", "-", "--trace", "--", "--seed"});
    EXPECT_EQ(line.positional, (std::vector<std::string>{"a.txt", "-", "--seed"}));
    EXPECT_EQ(line.value("output"), "out.qbr");
    EXPECT_EQ(line.value("seed"), "7");
    EXPECT_TRUE(line.has("trace"));
    EXPECT_FALSE(line.value("trace").has_value());

    EXPECT_EQ(parsed({"--output", "x.qbr", "-t"}).value("output"), "x.qbr");
    EXPECT_EQ(parsed({"--seed="}).value("seed"), "") << "an empty value is still a value";
    EXPECT_EQ(failure({"--frobnicate"}), "unknown option --frobnicate");
    EXPECT_EQ(failure({"-x"}), "unknown option -x");
    EXPECT_EQ(failure({"a", "-o"}), "option --output needs a value");
    EXPECT_EQ(failure({"--trace=yes"}), "option --trace takes no value");
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
