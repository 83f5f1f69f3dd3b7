// qbr check: everything a puzzle collection must meet, record by record.
#include <array>
#include <ostream>

#include "engine/rules.h"
#include "tools/commands.h"
#include "tools/field_source.h"
#include "tools/puzzle_checks.h"
#include "tools/puzzle_maker.h"

namespace quintaro {

namespace {

constexpr std::array<KnownOption, 4> kOptions{{
    {"shuffles", 0, true},
    {"seed", 0, true},
    {"max-passes", 0, true},
    {"minimal", 0, false},
}};

struct CheckSettings {
    int shuffles = 500;
    std::uint64_t seed = kShuffleCheckSeed;
    int maxPasses = kMaxStoredPasses;
    bool minimal = false;
};

std::string cellName(FieldCell f) {
    std::string name = std::to_string(f.x);
    name.insert(0, 1, '(');
    return name + ", " + std::to_string(f.y) + ")";
}

// Field cells where the two layers differ in the way pred picks; the first one named, then a count.
template <class Pred>
std::string firstMismatch(const CellLayer& board, const CellLayer& givens, Pred pred) {
    int count = 0;
    std::string first;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (pred(fieldValue(board, {x, y}), fieldValue(givens, {x, y})) && count++ == 0) first = cellName({x, y});
    if (count == 0) return {};
    return "at field cell " + first + (count > 1 ? " and " + std::to_string(count - 1) + " more" : "");
}

// Checks one record, printing its figures and each problem; returns the number of problems.
int checkRecord(const Board& loaded, const RecordClock& clock, const CheckSettings& s, std::ostream& out) {
    int problems = 0;
    auto problem = [&](const std::string& what) {
        out << "  problem: " << what << "\n";
        ++problems;
    };
    Board b = loaded;
    const int givens = countFilled(b.givens);
    out << givens << " givens";

    if (const auto m = firstMismatch(b.board, b.givens, [](int bv, int gv) { return gv != 0 && bv != gv; }); !m.empty())
        problem("board and givens differ " + m);
    if (const auto m = firstMismatch(b.board, b.givens, [](int bv, int gv) { return gv == 0 && bv != 0; }); !m.empty())
        problem("the board holds entries that are not givens " + m);
    if (const auto cells = unequalSharedCopies(b.board); !cells.empty())
        problem("the two copies of shared cell " + cellName(cells[0]) + " differ");
    if (clock.runningByte & 1) problem("the clock flag is set (a collection record must have it clear)");
    for (bool flag : b.candidates)
        if (flag) {
            problem("candidate flags are set");
            break;
        }
    if (givens == 0) {
        out << "\n";
        problem("no givens");
        return problems;
    }
    if (!checkRules(b)) problem("the givens break the rules");

    const bool symmetric = isHalfTurnSymmetric(b.givens);
    out << (symmetric ? ", symmetric" : ", not symmetric");
    if (!symmetric) problem("the givens are not symmetric under a half turn about the field centre");

    const SolveOutcome stored = solveGivens(b.givens);
    out << ", passes " << stored.passes << (stored.complete ? ", complete" : ", incomplete");
    if (!stored.complete) problem("the hidden solve does not complete the field");
    else if (stored.passes > s.maxPasses)
        problem("the hidden solve needs " + std::to_string(stored.passes) + " passes, more than " +
                std::to_string(s.maxPasses));

    if (stored.complete && s.shuffles > 0) {
        const ShuffleOutcome shuffled = checkShuffles(b.givens, s.shuffles, s.seed, false);
        out << ", shuffles " << shuffled.tried - shuffled.failed << "/" << shuffled.tried << " complete";
        if (shuffled.failed > 0) {
            problem(std::to_string(shuffled.failed) + " shuffles leave the field incomplete, the first a " +
                    (shuffled.firstFailedSymmetric ? "symmetric" : "free") + " shuffle from seed " + std::to_string(shuffled.firstFailedSeed));
        }
    }
    if (stored.complete) {
        const auto removable = removablePairs(b.givens);
        out << (removable.empty() ? ", minimal" : ", not minimal");
        if (s.minimal && !removable.empty())
            problem(std::to_string(removable.size()) + " symmetric pairs of givens could go, the first " +
                    cellName(removable[0][0]) + " and " + cellName(removable[0][1]));
    }
    out << "\n";
    return problems;
}

int run(const CommandLine& line, Streams& io) {
    if (line.positional.size() != 1) return failInput(io, "check: expected one board file (see qbr check --help)");
    CheckSettings s;
    if (const auto v = line.value("shuffles")) {
        const auto n = parseInteger(*v, 0, 1000000);
        if (!n) return failInput(io, "check: --shuffles needs a count 0..1000000, not '" + *v + "'");
        s.shuffles = static_cast<int>(*n);
    }
    if (const auto v = line.value("seed")) {
        const auto seed = parseSeed(*v);
        if (!seed) return failInput(io, "check: --seed needs a whole number 0..2^64-1, not '" + *v + "'");
        s.seed = *seed;
    }
    if (const auto v = line.value("max-passes")) {
        const auto n = parseInteger(*v, 1, kMaxSolvePasses);
        if (!n) return failInput(io, "check: --max-passes needs a count 1..15, not '" + *v + "'");
        s.maxPasses = static_cast<int>(*n);
    }
    s.minimal = line.has("minimal");

    const std::string& name = line.positional[0];
    std::string error;
    const long long size = boardFileSize(name, error);
    if (size < 0) return failInput(io, error);

    int problems = 0;
    io.out << name << ": " << size << " bytes\n";
    if (size != kBoardFileSize) {
        io.out << "  problem: a board file has " << kBoardFileSize << " bytes\n";
        ++problems;
    }
    for (int n = 0; n < kRecordCount; ++n) {
        io.out << "record " << n << ": ";
        Board b;
        RecordClock clock;
        if (!readRecord(name, n, b, clock, error)) {
            io.out << "\n  problem: " << error << "\n";
            ++problems;
            continue;
        }
        problems += checkRecord(b, clock, s, io.out);
    }
    io.out << name << ": " << (problems == 0 ? "ok" : std::to_string(problems) + " problems") << "\n";
    return problems == 0 ? kExitOk : kExitNegative;
}

} // namespace

const Command kCheckCommand{
    "check",
    "check every record of a puzzle collection",
    "usage: qbr check FILE [--shuffles N] [--seed S] [--max-passes N] [--minimal]\n"
    "\n"
    "Checks each of the four records of the board file FILE as a collection puzzle and prints one\n"
    "line of figures per record, then every problem found:\n"
    "  - the file is 24,000 bytes long and every record can be read;\n"
    "  - the board block equals the givens block, both copies of each shared cell agree, the clock\n"
    "    flag is clear and no candidate flag is set;\n"
    "  - there are givens, they keep the rules and are symmetric under a half turn about the centre\n"
    "    of the field;\n"
    "  - the game's hidden solve completes the field within the pass limit;\n"
    "  - it still completes it after each of N random shuffles of either variant (symmetric and free);\n"
    "  - with --minimal: no symmetric pair of givens can be removed with the field still completed.\n"
    "Whether a puzzle is minimal is always shown.\n"
    "\n"
    "      --shuffles N    shuffles per variant (default 500; 0 skips the shuffles)\n"
    "      --seed S        seed of the shuffles' random numbers (default 1)\n"
    "      --max-passes N  passes the stored puzzle may need (default 12)\n"
    "      --minimal       require every puzzle to be minimal\n"
    "\n"
    "exit code: 0 no problems, 1 problems found, 2 bad arguments or no such file.\n",
    kOptions,
    run,
};

} // namespace quintaro
