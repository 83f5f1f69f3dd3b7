// qbr pack: up to four text fields into a board file, as a collection holds its puzzles.
#include <algorithm>
#include <array>
#include <ostream>

#include "engine/random_source.h"
#include "tools/collection_file.h"
#include "tools/commands.h"
#include "tools/escape_text.h"
#include "tools/field_source.h"
#include "tools/output_file.h"

namespace quintaro {

namespace {

constexpr std::array<KnownOption, 3> kOptions{{{"output", 'o', true}, {"level", 'l', true}, {"seed", 0, true}}};

int run(const CommandLine& line, Streams& io) {
    const auto output = line.value("output");
    if (!output) return failInput(io, "pack: -o FILE is missing (see qbr pack --help)");
    if (line.positional.empty() || line.positional.size() > 4)
        return failInput(io, "pack: expected one to four text fields (see qbr pack --help)");
    if (std::count(line.positional.begin(), line.positional.end(), "-") > 1)
        return failInput(io, "pack: standard input (-) is named more than once; it can be read only once");
    int level = 0;
    if (const auto v = line.value("level")) {
        const auto n = parseInteger(*v, 0, 3);
        if (!n) return failInput(io, "pack: --level needs 0, 1, 2 or 3, not '" + shownName(*v) + "'");
        level = static_cast<int>(*n);
    }
    std::uint64_t seed = 0;
    if (const auto v = line.value("seed")) {
        const auto s = parseSeed(*v);
        if (!s) return failInput(io, "pack: --seed needs a whole number 0..2^64-1, not '" + shownName(*v) + "'");
        seed = *s;
    }

    std::vector<CellLayer> puzzles;
    for (const std::string& name : line.positional) {
        CellLayer layer{};
        std::string error;
        if (!readTextField(name, io.in, layer, error)) return failInput(io, error);
        puzzles.push_back(layer);
    }
    SeededRandom filler(seed);
    const std::vector<std::uint8_t> file = collectionFile(puzzles, level, filler);
    std::string error;
    if (!writeOutputFile(*output, file, error)) return failInput(io, error);
    io.out << shownName(*output) << ": " << puzzles.size() << " records written\n";
    return kExitOk;
}

} // namespace

const Command kPackCommand{
    "pack",
    "write up to four text fields into a board file",
    "usage: qbr pack -o FILE [--level N] [--seed S] TEXT...\n"
    "\n"
    "Reads one to four text fields (files, or - for standard input once) and writes them as records\n"
    "0, 1, ... of a new board file FILE, as a puzzle collection holds them: every symbol is a given\n"
    "(in the board and the givens block), no candidates, the clock flag clear. Records without a\n"
    "field are never-written records. FILE is replaced only once it is complete.\n"
    "\n"
    "  -o, --output FILE  the board file to write\n"
    "  -l, --level N      level 0..3 for the (unused) level field (default 0)\n"
    "      --seed S       seed of the filler bytes (default 0), so the file is reproducible\n",
    kOptions,
    run,
};

} // namespace quintaro
