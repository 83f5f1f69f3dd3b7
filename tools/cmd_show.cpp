// qbr show: the records of a board file (or a text field) as text, with their givens and clock.
#include <array>
#include <ostream>

#include "engine/field_text.h"
#include "tools/commands.h"
#include "tools/escape_text.h"
#include "tools/field_source.h"
#include "engine/puzzle_checks.h"

namespace quintaro {

namespace {

constexpr std::array<KnownOption, 1> kOptions{{{"givens", 'g', false}}};

int candidateCount(const Board& b) {
    int n = 0;
    for (bool set : b.candidates) n += set ? 1 : 0;
    return n;
}

void showRecord(const LoadedRecord& record, bool givensLayer, std::ostream& out) {
    const Board& b = record.board;
    const int givens = countFilled(b.givens);
    out << givens << " givens, " << countFilled(b.board) - countFilled(b.givens) << " entries, " << candidateCount(b)
        << " candidate flags, clock ";
    if (record.clock.runningByte & 1)
        out << "running (" << record.clock.elapsedSeconds << " s, level " << record.clock.level << ")";
    else
        out << "clear";
    out << "\n";
    for (const std::string& damage : record.damage) out << "  damage: " << damage << "\n";
    out << fieldToText(givensLayer ? b.givens : b.board);
}

int run(const CommandLine& line, Streams& io) {
    if (line.positional.empty() || line.positional.size() > 2)
        return failInput(io, "show: expected FILE [RECORD] (see qbr show --help)");
    const std::string& name = line.positional[0];
    const bool givensLayer = line.has("givens");

    if (!isBoardFileName(name)) {
        if (line.positional.size() > 1) return failInput(io, "show: a text field has no records");
        CellLayer layer{};
        std::string error;
        if (!readTextField(name, io.in, layer, error)) return failInput(io, error);
        io.out << countFilled(layer) << " symbols\n" << fieldToText(layer);
        return kExitOk;
    }

    int first = 0, last = kRecordCount - 1;
    if (line.positional.size() == 2) {
        const auto record = recordArgument(line.positional[1], io);
        if (!record) return kExitBadInput;
        first = last = *record;
    }
    std::string error;
    BoardFileBytes file;
    if (!readBoardFile(name, file, error)) return failInput(io, error);
    if (file.size != kBoardFileSize)
        io.out << "note: " << shownName(name) << " is " << file.size << " bytes, not " << kBoardFileSize << "\n";
    for (int n = first; n <= last; ++n) {
        LoadedRecord record;
        if (!recordOf(file, name, n, record, error)) return failInput(io, error);
        io.out << (n > first ? "\n" : "") << "record " << n << ": ";
        showRecord(record, givensLayer, io.out);
    }
    return kExitOk;
}

} // namespace

const Command kShowCommand{
    "show",
    "print the records of a board file as text fields",
    "usage: qbr show FILE [RECORD] [--givens]\n"
    "\n"
    "Prints record RECORD (0..3) of the board file FILE, or all four records, each as a line of\n"
    "figures (givens, the player's entries, candidate flags, the clock) and the board as a text field\n"
    "of 21 lines. Damage the game would mend or pass over unnoticed when loading the record (cell\n"
    "bytes above 9, unequal copies of a shared cell) follows the figures, one 'damage:' line each.\n"
    "A FILE not ending in .qbr, or -, is read as one text field and printed back.\n"
    "\n"
    "  -g, --givens   print the givens block instead of the board block\n",
    kOptions,
    run,
};

} // namespace quintaro
