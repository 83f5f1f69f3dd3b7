// Making graded puzzles from random full fields.
#include "engine/puzzle_maker.h"

#include <array>
#include <utility>

#include "engine/full_field.h"
#include "engine/puzzle_checks.h"

namespace quintaro {

namespace {

constexpr std::array<LevelRecipe, 4> kRecipes{{
    // name     stop at  removal  max givens  passes
    {"Leicht", 130, 2, 130, 1, 2},
    {"Mittel", 106, 5, 106, 4, 5},
    {"Schwer", 92, 8, 92, 6, 8},
    {"Extrem", 0, kMaxSolvePasses, 84, 9, kMaxStoredPasses},
}};

std::string describe(int attempt, int givens, int passes, const char* verdict) {
    return "attempt " + std::to_string(attempt) + ": " + std::to_string(givens) + " givens, " + std::to_string(passes) +
           " passes: " + verdict;
}

} // namespace

const LevelRecipe& levelRecipe(int level) { return kRecipes.at(static_cast<std::size_t>(level)); }

CellLayer thinOut(const CellLayer& full, RandomSource& rnd, int maxPasses, int stopAtGivens, SolverPath path) {
    std::array<std::array<FieldCell, 2>, 144> order = symmetricPairs();
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) std::swap(order[i], order[rnd.random(i + 1)]);

    CellLayer givens = full;
    int count = countFilled(givens);
    for (const auto& pair : order) {
        if (stopAtGivens > 0 && count <= stopAtGivens) break;
        CellLayer fewer = givens;
        setFieldValue(fewer, pair[0], 0);
        setFieldValue(fewer, pair[1], 0);
        const SolveOutcome outcome = solveGivens(fewer, path);
        if (outcome.complete && outcome.passes <= maxPasses) {
            givens = fewer;
            count -= 2;
        }
    }
    return givens;
}

std::optional<MadePuzzle> makePuzzle(const LevelRecipe& recipe, std::uint64_t seed, int shufflesPerShape,
                                     int maxAttempts, const std::function<void(const std::string&)>& progress,
                                     SolverPath path) {
    SeededRandom rnd(seed);
    for (int attempt = 1; attempt <= maxAttempts; ++attempt) {
        CellLayer full{};
        generateFullField(full, rnd);
        const CellLayer givens = thinOut(full, rnd, recipe.removalMaxPasses, recipe.stopAtGivens, path);
        const int count = countFilled(givens);
        const SolveOutcome stored = solveGivens(givens, path);
        auto report = [&](const char* verdict) {
            if (progress) progress(describe(attempt, count, stored.passes, verdict));
        };
        if (!stored.complete || stored.solution != full) {
            report("not solved to its full field"); // cannot happen for givens taken from a valid field
            continue;
        }
        if (stored.passes < recipe.minPasses || stored.passes > recipe.maxPasses) {
            report("passes outside the level's range");
            continue;
        }
        if (count > recipe.maxGivens) {
            report("too many givens left");
            continue;
        }
        if (recipe.stopAtGivens == 0 && !removablePairs(givens, path).empty()) {
            report("not minimal"); // thinning visits every pair, so this would be an engine fault
            continue;
        }
        if (checkShuffles(givens, shufflesPerShape, kShuffleCheckSeed, true, path).failed > 0 ||
            checkShuffles(givens, shufflesPerShape, rnd.next(), true, path).failed > 0) {
            report("a shuffle defeats the hidden solve");
            continue;
        }
        report("taken");
        return MadePuzzle{givens, count, stored.passes, attempt};
    }
    return std::nullopt;
}

CollectionSeeds collectionSeeds(std::uint64_t seed) {
    SeededRandom master(seed);
    CollectionSeeds seeds{};
    for (auto& s : seeds.record) s = master.next();
    seeds.filler = master.next();
    return seeds;
}

} // namespace quintaro
