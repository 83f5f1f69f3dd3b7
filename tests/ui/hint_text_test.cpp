// Every line a hint or a grade can write fits the help panel's 26 characters.
#include <gtest/gtest.h>

#include "ui/hint_text.h"

namespace quintaro {
namespace {

std::size_t characters(const std::string& utf8) {
    std::size_t n = 0;
    for (const char ch : utf8) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return n;
}

TEST(HintText, EveryHintAndGradeFitsThePanel) {
    std::vector<std::string> lines;
    for (const StepKind kind : {StepKind::WrongEntry, StepKind::FieldFull, StepKind::NothingFollows})
        lines.push_back(hintLine({kind, 0, 0, 0, {}}, true));
    for (const Scan scan : {Scan::BoxSingleCandidate, Scan::BoxSinglePlace, Scan::RowSinglePlace, Scan::ColumnSinglePlace})
        for (const bool digits : {true, false})
            lines.push_back(hintLine({StepKind::Placement, 0, 1, 1, {scan, 0, 9, 9, 1, 1, 1}}, digits));
    for (int passes = 0; passes <= 16; ++passes)
        for (const bool complete : {true, false}) lines.push_back(gradeLine(gradeOf(complete, passes)));
    for (const std::string& line : lines) EXPECT_LE(characters(line), 26u) << line;
    EXPECT_EQ(lines[5], "9: nur hier im Block");
    EXPECT_EQ(lines[10], "I: nur hier in Spalte 9");
    EXPECT_EQ(gradeLine(gradeOf(true, 1)), "Lösbar: Leicht, 1 Runde");
}

} // namespace
} // namespace quintaro
