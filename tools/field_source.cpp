// Reading text fields and board-file records for qbr's commands.
#include "tools/field_source.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/field_text.h"

namespace quintaro {

bool isBoardFileName(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return ext == ".qbr";
}

bool readTextField(const std::string& name, std::istream& in, CellLayer& layer, std::string& error) {
    std::string text;
    std::string shownName = name;
    if (name == "-") {
        shownName = "<stdin>";
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::error_code ec;
        if (std::filesystem::is_directory(name, ec)) {
            error = name + ": is a folder, not a text field";
            return false;
        }
        std::ifstream file(name, std::ios::binary);
        if (!file) {
            error = name + ": cannot open (" + (std::filesystem::exists(name, ec) ? "not readable" : "no such file") + ")";
            return false;
        }
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    TextError err;
    if (!parseFieldText(text, layer, err)) {
        error = shownName + ":" + std::to_string(err.line) + ":" + std::to_string(err.column) + ": " + err.message;
        return false;
    }
    return true;
}

long long boardFileSize(const std::string& name, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(name, ec);
    if (!std::filesystem::exists(status)) {
        error = name + ": no such file";
        return -1;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = name + ": not a regular file";
        return -1;
    }
    const auto size = std::filesystem::file_size(name, ec);
    if (ec) {
        error = name + ": " + ec.message();
        return -1;
    }
    return static_cast<long long>(size);
}

bool readRecord(const std::string& name, int record, Board& b, RecordClock& clock, std::string& error) {
    switch (readBoardRecord(name, record, b, clock)) {
    case ReadStatus::Loaded: return true;
    case ReadStatus::Missing: error = name + ": no such file"; return false;
    case ReadStatus::TooShort: {
        std::string ignored;
        error = name + ": too short for record " + std::to_string(record) + " (" +
                std::to_string(boardFileSize(name, ignored)) + " bytes; a board file has " +
                std::to_string(kBoardFileSize) + ")";
        return false;
    }
    case ReadStatus::Unreadable: error = name + ": cannot be read as a board file"; return false;
    }
    return false;
}

} // namespace quintaro
