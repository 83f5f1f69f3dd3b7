// Reading text fields and board-file records for qbr's commands.
#include "tools/field_source.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <system_error>

#include "engine/field_text.h"
#include "storage/bounded_read.h"
#include "tools/escape_text.h"
#include "engine/puzzle_checks.h"

namespace quintaro {

namespace {

// Why range could not be read as a `what` ("text field", "board file"), after the escaped name.
std::string refusal(const std::string& name, const FileRange& range, const std::string& what) {
    const std::string shown = shownName(name) + ": ";
    switch (range.kind) {
    case FileKind::Regular:
        break;
    case FileKind::Missing:
        return shown + "cannot open (no such file)";
    case FileKind::Folder:
        return shown + "is a folder, not a " + what;
    case FileKind::Fifo:
        return shown + "is a FIFO (named pipe), not a " + what;
    case FileKind::Device:
        return shown + "is a device, not a " + what;
    case FileKind::Other:
        return shown + "is a special file, not a " + what;
    case FileKind::Unreadable:
        return shown + "cannot read (" + std::generic_category().message(range.errorNumber) + ")";
    }
    return shown + "cannot read";
}

// "field cell (x, y)" for an entry of a grid cell, else the unused entry by its grid, column and row.
std::string entryName(int index) {
    const int c = index / 40, r = index / 4 % 10, g = index % 4;
    if (c == 0 || r == 0)
        return "the unused entry of grid " + std::to_string(g) + " column " + std::to_string(c) + " row " +
               std::to_string(r);
    return "field cell " + fieldCellName({kGridFieldColumn[g] + c - 1, kGridFieldRow[g] + r - 1});
}

std::string andMore(std::size_t count) { return count > 1 ? " and " + std::to_string(count - 1) + " more" : ""; }

std::vector<std::string> damageOf(const Board& b, const RecordRepairs& repairs) {
    std::vector<std::string> damage;
    if (const auto& cells = repairs.emptiedCells; !cells.empty())
        damage.push_back("cell bytes above 9 at " + entryName(cells[0]) + andMore(cells.size()) +
                         ", loaded as empty cells");
    for (const auto& [layer, block] : {std::pair{&b.board, "board"}, std::pair{&b.givens, "givens"}})
        if (const auto cells = unequalSharedCopies(*layer); !cells.empty())
            damage.push_back(std::string("the two copies of shared cell ") + fieldCellName(cells[0]) +
                             andMore(cells.size()) + " differ in the " + block + " block");
    return damage;
}

} // namespace

bool isBoardFileName(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return ext == ".qbr";
}

bool readTextField(const std::string& name, std::istream& in, CellLayer& layer, std::string& error) {
    std::string text;
    const std::string shown = name == "-" ? "<stdin>" : shownName(name);
    if (name == "-") {
        text.resize(kMaxTextFieldBytes + 1);
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
    } else {
        const FileRange range = readFileRange(name, 0, kMaxTextFieldBytes + 1);
        if (range.kind != FileKind::Regular) {
            error = refusal(name, range, "text field");
            return false;
        }
        text.assign(range.bytes.begin(), range.bytes.end());
    }
    if (text.size() > kMaxTextFieldBytes) {
        error = shown + ": more than " + std::to_string(kMaxTextFieldBytes) +
                " bytes, not read further (a text field is 21 lines of 21 characters)";
        return false;
    }
    TextError err;
    if (!parseFieldText(text, layer, err)) {
        error =
            shown + ":" + std::to_string(err.line) + ":" + std::to_string(err.column) + ": " + escapeText(err.message);
        return false;
    }
    return true;
}

bool readBoardFile(const std::string& name, BoardFileBytes& file, std::string& error) {
    FileRange range = readFileRange(name, 0, kBoardFileSize);
    if (range.kind != FileKind::Regular) {
        error = refusal(name, range, "board file");
        return false;
    }
    file.size = range.size;
    file.bytes = std::move(range.bytes);
    return true;
}

bool recordOf(const BoardFileBytes& file, const std::string& name, int record, LoadedRecord& out, std::string& error) {
    const auto start = static_cast<std::size_t>(record) * kRecordSize;
    const std::span<const std::uint8_t> bytes(file.bytes);
    RecordRepairs repairs;
    if (start > bytes.size() || !decodeBoardRecord(bytes.subspan(start), out.board, out.clock, &repairs)) {
        error = shownName(name) + ": too short for record " + std::to_string(record) + " (" +
                std::to_string(file.size) + " bytes; a board file has " + std::to_string(kBoardFileSize) + ")";
        return false;
    }
    out.damage = damageOf(out.board, repairs);
    return true;
}

} // namespace quintaro
