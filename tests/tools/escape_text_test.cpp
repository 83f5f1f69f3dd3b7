// Escaping bytes for the terminal: valid UTF-8 stays, controls and broken sequences become \xNN.
#include <gtest/gtest.h>

#include "tools/escape_text.h"

namespace quintaro {
namespace {

TEST(EscapeText, KeepsValidUtf8AndEscapesControlsBrokenSequencesAndTheBackslash) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"brett.qbr Ärger €5 😀", "brett.qbr Ärger €5 😀"},
        {"a\x1b[31mb\x00\x7f"s, "a\\x1b[31mb\\x00\\x7f"},
        {"\t\n", "\\x09\\x0a"},
        {"\xc2\x9b" "1m \xc2\xa0", "\\xc2\\x9b1m \xc2\xa0"}, // C1 control escaped, no-break space kept
        {"\xc3", "\\xc3"},                                     // cut short at the end
        {"\xc3(", "\\xc3("},                                   // lead byte without its follower
        {"\xc0\xaf \xe0\x80\xaf", "\\xc0\\xaf \\xe0\\x80\\xaf"}, // overlong forms
        {"\xed\xa0\x80 \xf4\x90\x80\x80", "\\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80"}, // surrogate, above U+10FFFF
        {"\xff\xfe", "\\xff\\xfe"},
        {"C:\\x00", "C:\\\\x00"}, // a literal backslash cannot pass for an escape
    };
    for (const auto& [raw, shown] : cases) EXPECT_EQ(escapeText(raw), shown) << shown;
}

} // namespace
} // namespace quintaro
