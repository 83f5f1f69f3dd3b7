// The text form of a field: reading with exact fault positions, writing from the master copies.
#include "engine/field_text.h"

#include <vector>

namespace quintaro {

namespace {
constexpr int kFieldSize = 21;
}

bool gridOfFieldCell(int fieldColumn, int fieldRow, int& g, int& c, int& r) {
    for (int grid = 0; grid < kGridCount; ++grid) {
        const int col = fieldColumn - kGridFieldColumn[grid] + 1;
        const int row = fieldRow - kGridFieldRow[grid] + 1;
        if (col >= 1 && col <= 9 && row >= 1 && row <= 9) {
            g = grid;
            c = col;
            r = row;
            return true;
        }
    }
    return false;
}

bool parseFieldText(std::string_view text, CellLayer& layer, TextError& err) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    while (lines.size() > kFieldSize && lines.back().find_first_not_of(' ') == std::string_view::npos) {
        lines.pop_back();
    }
    if (lines.size() != kFieldSize) {
        err = {static_cast<int>(lines.size() < kFieldSize ? lines.size() + 1 : kFieldSize + 1), 1,
               lines.size() < kFieldSize ? "expected 21 lines, the field ends early" : "expected 21 lines, found more"};
        return false;
    }
    CellLayer parsed{};
    for (int fr = 0; fr < kFieldSize; ++fr) {
        const std::string_view line = lines[fr];
        if (line.size() > kFieldSize && line.find_first_not_of(' ', kFieldSize) != std::string_view::npos) {
            err = {fr + 1, kFieldSize + 1, "line longer than 21 characters"};
            return false;
        }
        for (int fc = 0; fc < kFieldSize; ++fc) {
            const char ch = fc < static_cast<int>(line.size()) ? line[fc] : ' ';
            int g = 0, c = 0, r = 0;
            if (!gridOfFieldCell(fc, fr, g, c, r)) {
                if (ch != ' ') {
                    err = {fr + 1, fc + 1, std::string("'") + ch + "' where no grid lies (expected a blank)"};
                    return false;
                }
                continue;
            }
            int symbol = 0;
            if (ch >= '1' && ch <= '9') {
                symbol = ch - '0';
            } else if (ch != '.' && ch != '0') {
                err = {fr + 1, fc + 1,
                       ch == ' ' ? std::string("blank inside a grid (expected 1-9 or '.')")
                                 : std::string("'") + ch + "' inside a grid (expected 1-9 or '.')"};
                return false;
            }
            for (int grid = g; grid < kGridCount; ++grid) {
                const int col = fc - kGridFieldColumn[grid] + 1;
                const int row = fr - kGridFieldRow[grid] + 1;
                if (col >= 1 && col <= 9 && row >= 1 && row <= 9) cellAt(parsed, col, row, grid) = symbol;
            }
        }
    }
    layer = parsed;
    return true;
}

std::string fieldToText(const CellLayer& layer) {
    std::string out;
    for (int fr = 0; fr < kFieldSize; ++fr) {
        std::string line(kFieldSize, ' ');
        for (int fc = 0; fc < kFieldSize; ++fc) {
            int g = 0, c = 0, r = 0;
            if (!gridOfFieldCell(fc, fr, g, c, r)) continue;
            const int v = cellAt(layer, c, r, g);
            line[fc] = v == 0 ? '.' : v <= 9 ? static_cast<char>('0' + v) : '?';
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
    return out;
}

} // namespace quintaro
