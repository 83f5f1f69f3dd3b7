// qbr generate: a puzzle collection of one level, made reproducibly from a seed.
#include <array>
#include <atomic>
#include <mutex>
#include <ostream>
#include <thread>

#include "engine/fresh_puzzle.h"
#include "engine/random_source.h"
#include "storage/board_record.h"
#include "tools/collection_file.h"
#include "tools/commands.h"
#include "tools/escape_text.h"
#include "tools/output_file.h"
#include "engine/puzzle_maker.h"

namespace quintaro {

namespace {

constexpr std::array<KnownOption, 8> kOptions{{
    {"level", 'l', true},
    {"seed", 's', true},
    {"output", 'o', true},
    {"shuffles", 0, true},
    {"attempts", 0, true},
    {"jobs", 'j', true},
    {"verbose", 'v', false},
    {"one", 0, false},
}};

struct Settings {
    int level = 0;
    std::uint64_t seed = 0;
    std::string output;
    int shuffles = 500;
    int attempts = 1000;
    int jobs = 1;
    bool verbose = false;
    bool one = false; // the one fresh puzzle of the number level-seed, as the game makes it
};

// Reads the options into s; prints the first fault and returns false.
bool readSettings(const CommandLine& line, Streams& io, Settings& s) {
    auto integer = [&](const char* name, long long min, long long max, int& into) {
        const auto v = line.value(name);
        if (!v) return true;
        const auto n = parseInteger(*v, min, max);
        if (!n) {
            failInput(io, "generate: --" + std::string(name) + " needs a whole number " + std::to_string(min) + ".." +
                              std::to_string(max) + ", not '" + shownName(*v) + "'");
            return false;
        }
        into = static_cast<int>(*n);
        return true;
    };
    const auto level = line.value("level");
    const auto seed = line.value("seed");
    const auto output = line.value("output");
    if (!level || !seed || !output) {
        failInput(io, "generate: --level, --seed and -o are all needed (see qbr generate --help)");
        return false;
    }
    if (!line.positional.empty()) {
        failInput(io, "generate: unexpected argument '" + shownName(line.positional[0]) + "'");
        return false;
    }
    const auto parsedSeed = parseSeed(*seed);
    if (!parsedSeed) {
        failInput(io, "generate: --seed needs a whole number 0..2^64-1, not '" + shownName(*seed) + "'");
        return false;
    }
    s.seed = *parsedSeed;
    s.output = *output;
    s.verbose = line.has("verbose");
    s.one = line.has("one");
    if (s.one) {
        // The game makes a fresh puzzle without these; taking them would give another puzzle.
        for (const char* name : {"shuffles", "attempts", "jobs"}) {
            if (line.value(name)) {
                failInput(io, "generate: --one makes the puzzle as the game does and takes no --" + std::string(name));
                return false;
            }
        }
        if (s.seed >= kPuzzleSeedLimit) {
            failInput(io, "generate: with --one, --seed needs a puzzle number's seed 0..999999999, not '" +
                              shownName(*seed) + "'");
            return false;
        }
    }
    s.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return integer("level", 0, 3, s.level) && integer("shuffles", 0, 100000, s.shuffles) &&
           integer("attempts", 1, 1000000, s.attempts) && integer("jobs", 1, 64, s.jobs);
}

// --one: the fresh puzzle as record 0 with its number, the other records never written.
int runOne(const Settings& s, Streams& io) {
    const PuzzleNumber number{s.level, static_cast<std::uint32_t>(s.seed)};
    const std::string name = formatPuzzleNumber(number);
    const auto made = makeFreshPuzzle(number);
    if (!made) {
        io.err << "qbr: generate: no puzzle " << name << " within " << kFreshPuzzleAttempts
               << " full fields; nothing written\n";
        return kExitNegative;
    }
    io.out << "puzzle " << name << ": " << made->givenCount << " givens, " << made->passes << " passes ("
           << made->attempts << (made->attempts == 1 ? " full field" : " full fields") << " tried)\n";
    SeededRandom filler(s.seed);
    std::string error;
    if (!writeOutputFile(s.output, collectionFile({made->givens}, s.level, filler, number), error))
        return failInput(io, error);
    io.out << shownName(s.output) << ": puzzle " << name << " written as record 0, records 1-3 empty\n";
    return kExitOk;
}

int run(const CommandLine& line, Streams& io) {
    Settings s;
    if (!readSettings(line, io, s)) return kExitBadInput;
    // The work takes minutes; an output that cannot be written is named before it, not after.
    std::string error;
    if (!checkOutputFile(s.output, error)) return failInput(io, error);
    if (s.one) return runOne(s, io);

    const LevelRecipe& recipe = levelRecipe(s.level);
    const CollectionSeeds seeds = collectionSeeds(s.seed);
    std::array<std::optional<MadePuzzle>, kRecordCount> made;
    std::mutex reportLock;
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int n = next++; n < kRecordCount; n = next++) {
            auto progress = [&](const std::string& what) {
                if (!s.verbose) return;
                const std::lock_guard<std::mutex> hold(reportLock);
                io.err << "record " << n << ", " << what << "\n";
            };
            made[n] = makePuzzle(recipe, seeds.record[n], s.shuffles, s.attempts, progress);
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < std::min(s.jobs, kRecordCount); ++j) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();

    std::vector<CellLayer> puzzles;
    for (int n = 0; n < kRecordCount; ++n) {
        if (!made[n]) {
            io.err << "qbr: generate: no " << recipe.name << " puzzle for record " << n << " within " << s.attempts
                   << " full fields; nothing written\n";
            return kExitNegative;
        }
        io.out << "record " << n << ": " << made[n]->givenCount << " givens, " << made[n]->passes << " passes ("
               << made[n]->attempts << (made[n]->attempts == 1 ? " full field" : " full fields") << " tried)\n";
        puzzles.push_back(made[n]->givens);
    }
    SeededRandom filler(seeds.filler);
    if (!writeOutputFile(s.output, collectionFile(puzzles, s.level, filler), error)) return failInput(io, error);
    io.out << shownName(s.output) << ": " << recipe.name << " collection written\n";
    return kExitOk;
}

} // namespace

const Command kGenerateCommand{
    "generate",
    "make a collection of four puzzles of one level",
    "usage: qbr generate --level N --seed S -o FILE [--shuffles N] [--attempts N] [--jobs N] [--verbose]\n"
    "       qbr generate --level N --seed S --one -o FILE\n"
    "\n"
    "Makes four puzzles of level N (0 Leicht, 1 Mittel, 2 Schwer, 3 Extrem) and writes them as a\n"
    "collection (see qbr pack) to FILE. Each puzzle starts as a random full field, from which pairs of\n"
    "cells that a half turn about the field centre swaps are emptied in random order while the game's\n"
    "hidden solve still completes the field within the level's pass limit, until the level's number\n"
    "of givens is reached (Extrem: until no pair can go). A puzzle is kept when the hidden solve needs\n"
    "the level's number of passes (at most 12) and still completes the field after each of N random\n"
    "shuffles of either variant, both those that qbr check makes by default and N more of its own;\n"
    "otherwise the next full field is tried.\n"
    "\n"
    "  Leicht  130 givens, 1..2 passes       Schwer  92 givens, 6..8 passes\n"
    "  Mittel  106 givens, 4..5 passes       Extrem  minimal, at most 84 givens, 9..12 passes\n"
    "\n"
    "The same level and seed give the same file, whatever the number of jobs.\n"
    "\n"
    "With --one, writes the puzzle that the game calls \"Rätsel LN-S\" (S 0..999999999), made as the\n"
    "game makes it, as record 0 of FILE with its number, so the game names it when it loads it;\n"
    "records 1-3 are left empty (never written), the filler bytes come from S. That puzzle is\n"
    "thinned from the first full field drawn for LN-S that gives the level's givens and passes the\n"
    "game grades as level N (Leicht 1..2, Mittel 4, Schwer 6..8, Extrem 9..12); it is not tried\n"
    "against shuffles (the game checks the shuffle it plays).\n"
    "\n"
    "  -l, --level N     level 0..3\n"
    "  -s, --seed S      seed of everything random: full fields, thinning, shuffles, filler bytes\n"
    "  -o, --output FILE the board file to write\n"
    "      --shuffles N  shuffles per variant each puzzle must survive (default 500)\n"
    "      --attempts N  full fields to try per puzzle before giving up (default 1000)\n"
    "  -j, --jobs N      puzzles made at once (default: the number of processors)\n"
    "  -v, --verbose     report every attempt on standard error\n"
    "      --one         the game's puzzle LN-S alone, as record 0 (no --shuffles, --attempts, --jobs)\n"
    "\n"
    "exit code: 0 written, 1 some puzzle could not be made, 2 bad arguments or unwritable FILE.\n",
    kOptions,
    run,
};

} // namespace quintaro
