// Every line a hint or a grade can write fits the help panel's 26 characters.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/hint_text.h"

namespace quintaro {
namespace {

TEST(HintText, EveryHintAndGradeFitsThePanel) {
    std::vector<std::string> lines;
    for (const StepKind kind : {StepKind::WrongEntry, StepKind::FieldFull, StepKind::NothingFollows})
        lines.push_back(hintLine({kind, 0, 0, 0, {}}, true));
    for (const Scan scan :
         {Scan::BoxSingleCandidate, Scan::BoxSinglePlace, Scan::RowSinglePlace, Scan::ColumnSinglePlace})
        lines.push_back(hintLine({StepKind::Placement, 0, 1, 1, {scan, 0, 9, 9, 1, 1, 1, {}}}, false));
    for (int passes = 0; passes <= 16; ++passes) lines.push_back(gradeLine(gradeOf(passes % 2 == 0, passes)));
    for (const std::string& line : lines)
        EXPECT_LE(std::count_if(line.begin(), line.end(), [](char ch) { return (ch & 0xC0) != 0x80; }), 26) << line;
    EXPECT_EQ(lines[6], "I: nur hier in Spalte 9");
}

} // namespace
} // namespace quintaro
