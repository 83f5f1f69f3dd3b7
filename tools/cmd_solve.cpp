// qbr solve: the game's hidden solve on a record or a text field, with an optional placement trace.
#include <array>
#include <ostream>

#include "engine/field_text.h"
#include "engine/grade.h"
#include "engine/solution.h"
#include "tools/commands.h"
#include "tools/field_source.h"
#include "engine/puzzle_maker.h"

namespace quintaro {

namespace {

constexpr std::array<KnownOption, 2> kOptions{{{"trace", 't', false}, {"literal", 0, false}}};

class TracePrinter final : public PlacementObserver {
public:
    explicit TracePrinter(std::ostream& out) : out_(out) {}
    void placed(const Placement& p) override {
        const char* unit = p.scan == Scan::RowSinglePlace      ? "row"
                           : p.scan == Scan::ColumnSinglePlace ? "column"
                                                               : "box";
        out_ << "pass " << p.pass << ": " << scanName(p.scan) << ", grid " << p.grid << " " << unit << " " << p.unit
             << ", cell column " << p.column << " row " << p.row << ", symbol " << p.symbol << "\n";
    }

private:
    std::ostream& out_;
};

// Solves b as it stands and prints the outcome; true when the field came out complete.
bool solveAndPrint(Board& b, bool trace, SolverPath path, std::ostream& out) {
    TracePrinter printer(out);
    const int passes = computeSolution(b, path, trace ? &printer : nullptr);
    out << fieldToText(b.solution) << "passes: " << passes << "\n"
        << (b.noSolution ? "incomplete" : "complete") << "\n";
    // The level whose pass range holds the passes, as the game grades an own puzzle.
    const Grade grade = gradeOf(!b.noSolution, passes);
    out << "grade: "
        << (grade.level < 0
                ? std::string("none")
                : std::string(levelRecipe(grade.level).name) + " (level " + std::to_string(grade.level) + ")")
        << "\n";
    return !b.noSolution;
}

int run(const CommandLine& line, Streams& io) {
    if (line.positional.empty() || line.positional.size() > 2)
        return failInput(io, "solve: expected FILE [RECORD] (see qbr solve --help)");
    const std::string& name = line.positional[0];
    const bool trace = line.has("trace");
    const SolverPath path = line.has("literal") ? SolverPath::Literal : SolverPath::Fast;
    std::string error;

    if (!isBoardFileName(name)) {
        if (line.positional.size() > 1) return failInput(io, "solve: a text field has no records");
        Board b;
        if (!readTextField(name, io.in, b.board, error)) return failInput(io, error);
        b.givens = b.board;
        return solveAndPrint(b, trace, path, io.out) ? kExitOk : kExitNegative;
    }

    int first = 0, last = kRecordCount - 1;
    if (line.positional.size() == 2) {
        const auto record = recordArgument(line.positional[1], io);
        if (!record) return kExitBadInput;
        first = last = *record;
    }
    BoardFileBytes file;
    if (!readBoardFile(name, file, error)) return failInput(io, error);
    bool allComplete = true;
    for (int n = first; n <= last; ++n) {
        LoadedRecord record;
        if (!recordOf(file, name, n, record, error)) return failInput(io, error);
        if (first != last) io.out << (n > first ? "\n" : "") << "record " << n << ":\n";
        allComplete = solveAndPrint(record.board, trace, path, io.out) && allComplete;
    }
    return allComplete ? kExitOk : kExitNegative;
}

} // namespace

const Command kSolveCommand{
    "solve",
    "run the game's hidden solve and print the field it reaches",
    "usage: qbr solve FILE [RECORD] [--trace] [--literal]\n"
    "\n"
    "Runs the game's hidden solve (single candidates and single places, box by box, row by row,\n"
    "column by column, at most 15 passes) on the board of record RECORD (0..3) of the board file FILE,\n"
    "or of each of its four records, and prints the field it reaches, then 'passes: N', 'complete'\n"
    "or 'incomplete', and 'grade: ' with the level whose range holds the passes (Leicht 1-3, Mittel 4,\n"
    "Schwer 5-8, Extrem 9-15; a shuffled collection puzzle may fall in a neighbouring level's range,\n"
    "see qbr check), or 'none' when incomplete. A FILE whose name does not end in .qbr, or - for\n"
    "standard input, is read as one text field whose symbols are the givens.\n"
    "\n"
    "  -t, --trace    print every placement first: pass, scan, grid and unit, cell, symbol\n"
    "      --literal  run the reference steps (a whole-field rule check per trial); slow\n"
    "\n"
    "exit code: 0 every field complete, 1 some field incomplete, 2 bad input.\n",
    kOptions,
    run,
};

} // namespace quintaro
