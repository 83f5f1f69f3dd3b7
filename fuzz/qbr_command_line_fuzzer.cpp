// libFuzzer harness: arbitrary argument lists run through qbr's own entry (parsing and command
// dispatch), in a working folder of its own that holds a few board files and a text field. The
// input's pieces between NUL bytes are the arguments; what follows the last NUL is standard input.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/stat.h>

#include "engine/field_text.h"
#include "engine/full_field.h"
#include "storage/board_record.h"
#include "tools/collection_file.h"
#include "tools/commands.h"
#include "tools/qbr.h"

namespace {

using namespace quintaro;
namespace fs = std::filesystem;

void require(bool ok) {
    if (!ok) std::abort();
}

// A full field with every cell that pick() keeps; the rest empty.
template <class Pick>
CellLayer fieldPart(Pick pick) {
    CellLayer full{}, part{};
    SeededRandom rnd(21);
    generateFullField(full, rnd);
    for (int i = 0; i < kCellLayerSize; ++i)
        if (pick(i)) part[i] = full[i];
    return part;
}

// The files a run may read, by name: a puzzle as a text field, a board file of never-written records,
// and one cut off after its first record, which holds a damaged field of few givens. No file here makes
// "check" run its shuffles (nothing here completes), which would take far longer than a run may.
std::map<std::string, std::string> preparedFiles() {
    std::map<std::string, std::string> files;
    files["feld.txt"] = fieldToText(fieldPart([](int i) { return i * 7 % 10 < 6; }));
    SeededRandom filler(1);
    const auto bytesOf = [](const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); };
    files["leer.qbr"] = bytesOf(collectionFile({}, 0, filler));
    CellLayer few = fieldPart([](int i) { return i % 37 == 5; });
    std::vector<std::uint8_t> cut = collectionFile({few}, 2, filler);
    cut[cellIndex(4, 4, 0)] = 12;                 // a cell byte above 9
    cut[cellIndex(7, 7, 3) + kGivensOffset] ^= 3; // the copies of a shared cell differ
    cut.resize(kRecordSize + kRecordSize / 2);
    files["kurz.qbr"] = bytesOf(cut);
    return files;
}

// The harness's own folder, made at start and removed at exit. A run works in it (the fuzzer's own
// paths stay as given); afterwards the prepared files are put back where the run replaced them and
// whatever it made is removed, so that every input meets the same folder.
class WorkFolder {
public:
    WorkFolder() : files_(preparedFiles()) {
        std::string pattern = (fs::temp_directory_path() / "qbr-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
        enter();
        restore();
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    void enter() {
        home_ = fs::current_path();
        fs::current_path(path_);
    }
    // Puts the folder back as it was made and returns to the folder the run started in.
    void leave() {
        restore();
        fs::current_path(home_);
    }

private:
    void restore() {
        for (const auto& entry : fs::directory_iterator(".")) {
            const std::string name = entry.path().filename().string();
            if (!files_.contains(name)) fs::remove_all(entry.path());
        }
        for (const auto& [name, bytes] : files_) {
            struct stat st {};
            if (::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_ino == inodes_[name] &&
                st.st_mtim.tv_nsec == modified_[name].tv_nsec && st.st_mtim.tv_sec == modified_[name].tv_sec)
                continue;
            fs::remove_all(name);
            std::ofstream(name, std::ios::binary) << bytes;
            require(::stat(name.c_str(), &st) == 0);
            inodes_[name] = st.st_ino;
            modified_[name] = st.st_mtim;
        }
    }

    fs::path path_, home_;
    std::map<std::string, std::string> files_;
    std::map<std::string, ino_t> inodes_;
    std::map<std::string, timespec> modified_;
};

WorkFolder& workFolder() {
    static WorkFolder folder;
    return folder;
}

// "generate" with its three needed options and nothing else positional makes puzzles for seconds:
// its command line is fuzzed up to there.
bool makesPuzzles(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != kGenerateCommand.name) return false;
    CommandLine line;
    std::string error;
    return parseCommandLine({args.begin() + 1, args.end()}, kGenerateCommand.options, line, error) ==
               ParseOutcome::Parsed &&
           line.value("level") && line.value("seed") && line.value("output") && line.positional.empty();
}

// A message or result for a terminal: lines ended by '\n', and no other control byte.
void requirePrintable(const std::string& text) {
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        require(ch == '\n' || (byte >= 0x20 && byte != 0x7F));
    }
    require(text.empty() || text.back() == '\n');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    workFolder().leave();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    std::size_t start = 0;
    for (std::size_t end = input.find('\0'); end != std::string_view::npos; end = input.find('\0', start)) {
        args.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    // Every name stays inside the working folder: nothing is written anywhere else.
    for (const std::string& a : args)
        if (a.find('/') != std::string::npos) return -1;
    if (makesPuzzles(args)) return -1;

    std::istringstream in{std::string(input.substr(start))};
    std::ostringstream out, err;
    Streams io{in, out, err};
    workFolder().enter();
    const int code = runQbr(args, io);
    workFolder().leave();

    require(code == kExitOk || code == kExitNegative || code == kExitBadInput);
    if (code == kExitBadInput) require(err.str().starts_with("qbr: ") || err.str().starts_with("qbr - "));
    if (code != kExitBadInput) require(err.str().empty());
    requirePrintable(out.str());
    requirePrintable(err.str());
    return 0;
}
