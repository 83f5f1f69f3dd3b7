// Escaping bytes for the terminal: valid UTF-8 stays, controls and broken sequences become \xNN.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/escape_text.h"

namespace quintaro {
namespace {

TEST(EscapeText, KeepsValidUtf8AndEscapesControlsBrokenSequencesAndTheBackslash) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"brett.qbr Ärger €5 😀", "brett.qbr Ärger €5 😀"},
        {"a\x1b[31mb\x00\x7f"s, "a\\x1b[31mb\\x00\\x7f"},
        {"\t\n", "\\x09\\x0a"},
        {"\xc2\x9b"
         "1m \xc2\xa0",
         "\\xc2\\x9b1m \xc2\xa0"},                               // C1 control escaped, no-break space kept
        {"\xc3", "\\xc3"},                                       // cut short at the end
        {"\xc3(", "\\xc3("},                                     // lead byte without its follower
        {"\xc0\xaf \xe0\x80\xaf", "\\xc0\\xaf \\xe0\\x80\\xaf"}, // overlong forms
        {"\xed\xa0\x80 \xf4\x90\x80\x80", "\\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80"}, // surrogate, above U+10FFFF
        {"\xff\xfe", "\\xff\\xfe"},
        {"C:\\x00", "C:\\\\x00"}, // a literal backslash cannot pass for an escape
    };
    for (const auto& [raw, shown] : cases) EXPECT_EQ(escapeText(raw), shown) << shown;
}

// The characters of shown text: the bytes that do not continue a UTF-8 sequence.
std::size_t charactersOf(const std::string& shown) {
    return static_cast<std::size_t>(
        std::count_if(shown.begin(), shown.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}

TEST(ShownName, CutsTheMiddleOfALongNameNeverInsideAnEscapeAndKeepsItsEnd) {
    const std::string exact(200, 'a');
    EXPECT_EQ(shownName(exact), exact) << "200 characters are shown whole";
    EXPECT_EQ(shownName(std::string(300, 'a') + "/x.qbr"),
              std::string(100, 'a') + "…" + std::string(93, 'a') + "/x.qbr");

    // Escapes and wide characters at both cut points, in every position against them: each side of
    // the cut is the escaped form of a whole start or end of the name.
    for (std::size_t shift = 0; shift < 8; ++shift) {
        std::string name(shift, 'x');
        for (int i = 0; i < 60; ++i) name += "\x1b\\Ä\xff€";
        const std::string shown = shownName(name);
        EXPECT_LE(charactersOf(shown), kShownNameLength) << shown;
        EXPECT_GE(charactersOf(shown), kShownNameLength - 6) << shown;
        const std::size_t cut = shown.find("…");
        ASSERT_NE(cut, std::string::npos) << shown;
        const std::string before = shown.substr(0, cut), after = shown.substr(cut + std::string("…").size());
        bool wholeStart = false, wholeEnd = false;
        for (std::size_t k = 0; k <= name.size(); ++k) {
            wholeStart = wholeStart || escapeText(name.substr(0, k)) == before;
            wholeEnd = wholeEnd || escapeText(name.substr(k)) == after;
        }
        EXPECT_TRUE(wholeStart && wholeEnd) << shift << ": " << shown;
    }
}

} // namespace
} // namespace quintaro
