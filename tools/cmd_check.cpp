// qbr check: everything a puzzle collection must meet, record by record.
#include <algorithm>
#include <array>
#include <future>
#include <ostream>
#include <string>
#include <vector>

#include "engine/rules.h"
#include "tools/commands.h"
#include "tools/escape_text.h"
#include "tools/field_source.h"
#include "engine/puzzle_checks.h"
#include "engine/puzzle_maker.h"

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

// Field cells where the two layers differ in the way pred picks; the first one named, then a count.
template <class Pred>
std::string firstMismatch(const CellLayer& board, const CellLayer& givens, Pred pred) {
    int count = 0;
    std::string first;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (pred(fieldValue(board, {x, y}), fieldValue(givens, {x, y})) && count++ == 0)
                first = fieldCellName({x, y});
    if (count == 0) return {};
    return "at field cell " + first + (count > 1 ? " and " + std::to_string(count - 1) + " more" : "");
}

// " in 2-4 passes (3 on most)": the passes of the completed shuffles; "" when none completed.
std::string passRange(const ShuffleOutcome& shuffled) {
    const auto& counts = shuffled.completedIn;
    const auto used = [](int n) { return n > 0; };
    const auto first = std::find_if(counts.begin(), counts.end(), used);
    if (first == counts.end()) return {};
    const auto last = std::find_if(counts.rbegin(), counts.rend(), used).base() - 1;
    const auto most = std::max_element(counts.begin(), counts.end());
    const auto passes = [&](auto it) { return std::to_string(it - counts.begin()); };
    if (first == last) return " in " + passes(first) + (first - counts.begin() == 1 ? " pass" : " passes");
    return " in " + passes(first) + "-" + passes(last) + " passes (" + passes(most) + " on most)";
}

// A record's line of figures and its problems, each printed on a line of its own.
struct RecordReport {
    std::string figures;
    std::vector<std::string> problems;
};

RecordReport checkRecord(const LoadedRecord& record, const CheckSettings& s) {
    RecordReport report;
    auto problem = [&](std::string what) { report.problems.push_back(std::move(what)); };
    auto figure = [&](const std::string& what) { report.figures += ", " + what; };
    Board b = record.board; // the rule check keeps its tallies in the board
    const int givens = countFilled(b.givens);
    report.figures = std::to_string(givens) + " givens";

    for (const std::string& damage : record.damage) problem(damage);
    if (const auto m = firstMismatch(b.board, b.givens, [](int bv, int gv) { return gv != 0 && bv != gv; }); !m.empty())
        problem("board and givens differ " + m);
    if (const auto m = firstMismatch(b.board, b.givens, [](int bv, int gv) { return gv == 0 && bv != 0; }); !m.empty())
        problem("the board holds entries that are not givens " + m);
    if (record.clock.runningByte & 1) problem("the clock flag is set (a collection record must have it clear)");
    if (std::find(b.candidates.begin(), b.candidates.end(), true) != b.candidates.end())
        problem("candidate flags are set");
    if (givens == 0) {
        problem("no givens");
        return report;
    }
    if (!checkRules(b)) problem("the givens break the rules");

    const bool symmetric = isHalfTurnSymmetric(b.givens);
    figure(symmetric ? "symmetric" : "not symmetric");
    if (!symmetric) problem("the givens are not symmetric under a half turn about the field centre");

    const SolveOutcome stored = solveGivens(b.givens);
    figure("passes " + std::to_string(stored.passes) + (stored.complete ? ", complete" : ", incomplete"));
    if (!stored.complete) {
        problem("the hidden solve does not complete the field");
        return report;
    }
    if (stored.passes > s.maxPasses)
        problem("the hidden solve needs " + std::to_string(stored.passes) + " passes, more than " +
                std::to_string(s.maxPasses));

    if (s.shuffles > 0) {
        const ShuffleOutcome shuffled = checkShuffles(b.givens, s.shuffles, s.seed, false);
        figure("shuffles " + std::to_string(shuffled.tried - shuffled.failed) + "/" + std::to_string(shuffled.tried) +
               " complete" + passRange(shuffled));
        if (shuffled.failed > 0)
            problem(std::to_string(shuffled.failed) + " shuffles leave the field incomplete, the first a " +
                    (shuffled.firstFailedSymmetric ? "symmetric" : "free") + " shuffle from seed " +
                    std::to_string(shuffled.firstFailedSeed));
    }
    const auto removable = removablePairs(b.givens);
    figure(removable.empty() ? "minimal" : "not minimal");
    if (s.minimal && !removable.empty())
        problem(std::to_string(removable.size()) + " symmetric pairs of givens could go, the first " +
                fieldCellName(removable[0][0]) + " and " + fieldCellName(removable[0][1]));
    return report;
}

int run(const CommandLine& line, Streams& io) {
    if (line.positional.size() != 1) return failInput(io, "check: expected one board file (see qbr check --help)");
    CheckSettings s;
    if (const auto v = line.value("shuffles")) {
        const auto n = parseInteger(*v, 0, 1000000);
        if (!n) return failInput(io, "check: --shuffles needs a count 0..1000000, not '" + shownName(*v) + "'");
        s.shuffles = static_cast<int>(*n);
    }
    if (const auto v = line.value("seed")) {
        const auto seed = parseSeed(*v);
        if (!seed) return failInput(io, "check: --seed needs a whole number 0..2^64-1, not '" + shownName(*v) + "'");
        s.seed = *seed;
    }
    if (const auto v = line.value("max-passes")) {
        const auto n = parseInteger(*v, 1, kMaxSolvePasses);
        if (!n) return failInput(io, "check: --max-passes needs a count 1..15, not '" + shownName(*v) + "'");
        s.maxPasses = static_cast<int>(*n);
    }
    s.minimal = line.has("minimal");

    const std::string& name = line.positional[0];
    std::string error;
    BoardFileBytes file;
    if (!readBoardFile(name, file, error)) return failInput(io, error);

    int problems = 0;
    auto print = [&](const std::string& heading, const RecordReport& report) {
        io.out << heading << report.figures << "\n";
        for (const std::string& p : report.problems) io.out << "  problem: " << p << "\n";
        problems += static_cast<int>(report.problems.size());
    };
    const std::string shown = shownName(name);
    RecordReport whole{std::to_string(file.size) + " bytes", {}};
    if (file.size != kBoardFileSize)
        whole.problems.push_back("a board file has " + std::to_string(kBoardFileSize) + " bytes");
    print(shown + ": ", whole);
    // The records are checked side by side (they share nothing), then reported in order.
    std::array<std::future<RecordReport>, kRecordCount> reports;
    for (int n = 0; n < kRecordCount; ++n) {
        LoadedRecord record;
        if (recordOf(file, name, n, record, error)) {
            reports[n] = std::async(std::launch::async, [record, &s] { return checkRecord(record, s); });
        } else {
            std::promise<RecordReport> unread;
            unread.set_value({"not read", {error}});
            reports[n] = unread.get_future();
        }
    }
    for (int n = 0; n < kRecordCount; ++n) print("record " + std::to_string(n) + ": ", reports[n].get());
    io.out << shown << ": " << (problems == 0 ? "ok" : std::to_string(problems) + " problems") << "\n";
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
    "  - no cell byte lies above 9, the board block equals the givens block, both copies of each\n"
    "    shared cell agree in both blocks, the clock flag is clear and no candidate flag is set;\n"
    "  - there are givens, they keep the rules and are symmetric under a half turn about the centre\n"
    "    of the field;\n"
    "  - the game's hidden solve completes the field within the pass limit;\n"
    "  - it still completes it after each of N random shuffles of either variant (symmetric and free);\n"
    "  - with --minimal: no symmetric pair of givens can be removed with the field still completed.\n"
    "Whether a puzzle is minimal is always shown, and so are the passes the completed shuffles took\n"
    "(\"shuffles 1000/1000 complete in 2-4 passes (3 on most)\").\n"
    "\n"
    "      --shuffles N    shuffles per variant (default 500; 0 skips the shuffles)\n"
    "      --seed S        seed of the shuffles' random numbers (default 1)\n"
    "      --max-passes N  passes the stored puzzle may need (default 12)\n"
    "      --minimal       require every puzzle to be minimal\n"
    "\n"
    "exit code: 0 no problems, 1 problems found, 2 bad arguments or a file that cannot be read.\n",
    kOptions,
    run,
};

} // namespace quintaro
