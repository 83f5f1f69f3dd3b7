// The wording of hints and grades in the help panel.
#include "ui/hint_text.h"

#include <array>

#include "ui/symbol_text.h"

namespace quintaro {

namespace {

constexpr std::array<const char*, 4> kLevelNames{"Leicht", "Mittel", "Schwer", "Extrem"};

} // namespace

std::string hintLine(const NextStep& step, bool digitMode) {
    switch (step.kind) {
    case StepKind::WrongEntry:
        return "Diese Zahl ist falsch";
    case StepKind::FieldFull:
        return "Kein Feld ist mehr frei";
    case StepKind::NothingFollows:
        return "Keine Zahl folgt zwingend";
    case StepKind::Placement:
        break;
    }
    const Placement& p = step.placement;
    const std::string symbol = symbolText(p.symbol, digitMode) + ": ";
    switch (p.scan) {
    case Scan::BoxSingleCandidate:
        return symbol + "einzige Zahl im Feld";
    // The frame shows which block; its number would mean nothing to the player.
    case Scan::BoxSinglePlace:
        return symbol + "nur hier im Block";
    case Scan::RowSinglePlace:
        return symbol + "nur hier in Zeile " + std::to_string(p.unit);
    case Scan::ColumnSinglePlace:
        return symbol + "nur hier in Spalte " + std::to_string(p.unit);
    }
    return {};
}

std::string gradeLine(const Grade& grade) {
    if (!grade.complete || grade.level < 0 || grade.level >= int(kLevelNames.size())) return "Nicht durch Logik lösbar";
    return std::string("Lösbar: ") + kLevelNames[std::size_t(grade.level)] + ", " + std::to_string(grade.passes) +
           (grade.passes == 1 ? " Runde" : " Runden");
}

} // namespace quintaro
