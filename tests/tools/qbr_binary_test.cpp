// The built qbr program end to end: its commands, outputs, messages and exit codes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <algorithm>
#include <span>
#include <sstream>

#include "engine/field_text.h"
#include "engine/fresh_puzzle.h"
#include "engine/full_field.h"
#include "engine/grade.h"
#include "engine/puzzle_checks.h"
#include "engine/puzzle_maker.h"
#include "storage/board_record.h"
#include "tools/collection_file.h"

namespace quintaro {
namespace {

struct QbrRun {
    int exitCode = -1;
    std::string out, err;
};

// Absolute, so that it also starts from another folder (the shell runs in the test's own).
QString qbrProgram() {
    const QByteArray bin = qgetenv("QUINTARO_BIN");
    return QFileInfo(QString::fromLocal8Bit(bin.isEmpty() ? QByteArray(".") : bin) + "/qbr").absoluteFilePath();
}

// Runs the started process to its end, a minute at most.
QbrRun finish(QProcess& process, const QByteArray& input) {
    if (!process.waitForStarted()) return {-1, {}, "qbr did not start; is QUINTARO_BIN the build folder?"};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-3, {}, "qbr did not end within a minute"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

QbrRun qbr(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(qbrProgram(), args);
    return finish(process, input);
}

// Runs a shell command line in folder, in which q calls qbr with 20 seconds and 256 MB to spare.
QbrRun limitedShell(const QString& folder, const QString& command) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start("sh",
                  {"-c", "ulimit -v 262144; q() { timeout -s KILL 20 \"$0\" \"$@\"; }; " + command, qbrProgram()});
    return finish(process, {});
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The run ended with exit code `code`, and each of `parts` stands in its output or its error messages.
testing::AssertionResult exits(const QbrRun& run, int code, std::initializer_list<std::string> parts = {}) {
    bool found = run.exitCode == code;
    for (const std::string& part : parts) found = found && (contains(run.out, part) || contains(run.err, part));
    if (found) return testing::AssertionSuccess();
    auto failure = testing::AssertionFailure() << "exit code " << run.exitCode << ", wanted " << code;
    for (const std::string& part : parts) failure << " and '" << part << "'";
    return failure << "\nout: " << run.out << "\nerr: " << run.err;
}

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bytes of a message that a terminal would act on, or that are no UTF-8 (a cut name's "…" aside).
int rawBytes(std::string text) {
    for (std::size_t at = text.find("…"); at != std::string::npos; at = text.find("…"))
        text.erase(at, std::string("…").size());
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (ch >= 0 && ch < ' ' && ch != '\n') || ch == '\x7f' || ch < 0;
    }));
}

class QbrTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CellLayer full{};
    CellLayer puzzle{}; // minimal, so the hidden solve completes it but needs several passes

    void SetUp() override {
        SeededRandom rnd(21);
        generateFullField(full, rnd);
        puzzle = thinOut(full, rnd, kMaxSolvePasses, 0);
    }

    QString path(const char* name) const { return dir.filePath(name); }

    QString writeFile(const char* name, const std::string& text) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
        return path(name);
    }
};

TEST_F(QbrTest, SolveATextFieldFromAFileOrStandardInputWithATraceOfEachPlacement) {
    const QString file = writeFile("puzzle.txt", fieldToText(puzzle));
    const QbrRun run = qbr({"solve", file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const int passes = solveGivens(puzzle).passes;
    EXPECT_EQ(run.out, fieldToText(full) + "passes: " + std::to_string(passes) +
                           "\ncomplete\ngrade: " + levelRecipe(levelOfPasses(passes)).name + " (level " +
                           std::to_string(levelOfPasses(passes)) + ")\n");
    EXPECT_EQ(qbr({"solve", "-"}, QByteArray::fromStdString(fieldToText(puzzle))).out, run.out);
    EXPECT_EQ(qbr({"solve", "--literal", file}).out, run.out);

    const QbrRun traced = qbr({"solve", "--trace", file});
    int placements = 0;
    for (std::size_t at = traced.out.find("pass "); at != std::string::npos; at = traced.out.find("\npass ", at + 1))
        ++placements;
    EXPECT_EQ(placements, 288 - countFilled(puzzle));
    EXPECT_TRUE(traced.out.starts_with("pass 1: ") && contains(traced.out, ", symbol ")) << traced.out.substr(0, 300);
    EXPECT_TRUE(traced.out.ends_with(run.out));

    CellLayer sparse = puzzle;
    for (int i = 0; i < 6; ++i) {
        setFieldValue(sparse, symmetricPairs()[i * 20][0], 0);
        setFieldValue(sparse, symmetricPairs()[i * 20][1], 0);
    }
    EXPECT_TRUE(
        exits(qbr({"solve", writeFile("sparse.txt", fieldToText(sparse))}), 1, {"\nincomplete\ngrade: none\n"}));

    // Every record of a shipped collection grades as the collection's own level.
    const QString bin =
        QString::fromLocal8Bit(qgetenv("QUINTARO_BIN").isEmpty() ? QByteArray(".") : qgetenv("QUINTARO_BIN"));
    for (int level = 0; level < 4; ++level) {
        const char* files[] = {"leicht", "mittel", "schwer", "extrem"};
        const std::string out = qbr({"solve", bin + "/" + files[level] + ".qbr"}).out;
        const std::string grade =
            std::string("grade: ") + levelRecipe(level).name + " (level " + std::to_string(level) + ")\n";
        int graded = 0;
        for (std::size_t at = out.find(grade); at != std::string::npos; at = out.find(grade, at + 1)) ++graded;
        EXPECT_EQ(graded, 4) << out;
    }
}

TEST_F(QbrTest, HelpForEveryCommandAndABadFieldNamesItsPlace) {
    const QbrRun overview = qbr({"--help"});
    for (const char* command : {"show", "solve", "check", "pack", "generate"}) {
        EXPECT_TRUE(exits(overview, 0, {command}));
        EXPECT_TRUE(exits(qbr({command, "--help"}), 0, {std::string("usage: qbr ") + command}));
    }
    EXPECT_TRUE(exits(qbr({}), 2));
    std::string text = fieldToText(puzzle);
    text[text.find('\n', text.find('\n') + 1) + 1 + 7] = 'x'; // line 3, column 8: inside grid 0
    EXPECT_TRUE(exits(qbr({"show", "-"}, QByteArray::fromStdString(text)), 2, {"<stdin>:3:8: 'x' inside a grid"}));
    EXPECT_TRUE(exits(qbr({"show", path("nicht-da.qbr")}), 2));
}

TEST_F(QbrTest, InputThatIsNoFieldEndsAtOnceWithAnEscapedMessage) {
    ASSERT_EQ(::mkfifo(path("fifo.qbr").toLocal8Bit().constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(path("fifo.txt").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("zero.qbr")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.qbr"));
    QFile big(path("big.txt")); // 300 MB on one line, most of it a hole in the file
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.write("1") == 1 && big.resize(300 << 20));
    big.close();
    std::string text = fieldToText(puzzle);
    text[text.find('\n', text.find('\n') + 1) + 1 + 7] = '\x1b'; // line 3, column 8: inside grid 0
    writeFile("esc.txt", text);

    const std::pair<const char*, const char*> cases[] = {
        {"q show /dev/zero", "qbr: /dev/zero: is a device, not a text field\n"},
        {"yes | q solve -", "qbr: <stdin>: more than 65536 bytes, not read further"},
        {"q show big.txt", "qbr: big.txt: more than 65536 bytes"},
        {"q solve fifo.qbr", "qbr: fifo.qbr: is a FIFO (named pipe), not a board file\n"},
        {"q check fifo.qbr", "qbr: fifo.qbr: is a FIFO (named pipe), not a board file\n"},
        {"q show fifo.txt", "qbr: fifo.txt: is a FIFO (named pipe), not a text field\n"},
        {"q solve zero.qbr 1", "qbr: zero.qbr: is a device, not a board file\n"},
        {"q check ordner.qbr", "qbr: ordner.qbr: is a folder, not a board file\n"},
        {"q solve esc.txt", "qbr: esc.txt:3:8: '\\x1b' inside a grid"},
        {"q show \"$(printf 'x\\033[2J\\377.txt')\"", "qbr: x\\x1b[2J\\xff.txt: cannot open (no such file)\n"},
    };
    for (const auto& [command, message] : cases) {
        const QbrRun run = limitedShell(dir.path(), command);
        EXPECT_TRUE(exits(run, 2, {message})) << command;
        EXPECT_TRUE(run.out.empty() && rawBytes(run.err) == 0) << command << ": raw bytes in\n" << run.err;
    }
}

TEST_F(QbrTest, OutputNamesAreEscapedAndWrittenAsGivenAndNoOptionIsTakenTwice) {
    writeFile("f.txt", fieldToText(puzzle));
    // A folder whose name sets the terminal's title, and one whose name is no UTF-8.
    const QbrRun made = limitedShell(dir.path(), "mkdir \"$(printf 'a\\033]0;x\\007b')\" \"$(printf '\\377')\"");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    struct Clear { // Qt cannot name the second folder, so it would stay behind
        std::string folder;
        ~Clear() {
            ::unlink((folder + "/x.qbr").c_str());
            ::rmdir(folder.c_str());
        }
    } clear{dir.path().toStdString() + "/\xff"};
    const std::string title = "a\\x1b]0;x\\x07b";
    const std::string longName(300, 'n');
    const std::pair<const char*, std::string> written[] = {
        {"q pack -o \"$(printf 'a\\033]0;x\\007b')/x.qbr\" f.txt", title + "/x.qbr: 1 records written\n"},
        {"q pack -o \"$(printf '\\377')/x.qbr\" f.txt && test -f \"$(printf '\\377')/x.qbr\"",
         "\\xff/x.qbr: 1 records written\n"},
    };
    for (const auto& [command, out] : written) {
        const QbrRun run = limitedShell(dir.path(), command);
        EXPECT_TRUE(exits(run, 0)) << command;
        EXPECT_EQ(run.out, out);
    }
    const std::pair<std::string, std::string> refused[] = {
        {"q pack -o \"$(printf 'a\\033]0;x\\007b')/nicht/x.qbr\" f.txt",
         "the folder " + title + "/nicht does not exist\n"},
        {"q pack -o \"" + longName + "/x.qbr\" f.txt",
         "the folder " + longName.substr(0, 100) + "…" + longName.substr(0, 99) + " does not exist\n"},
        {"q generate -l 0 -s 1 -o a.qbr -ob.qbr", "option --output is given more than once"},
        {"q pack -o a.qbr - - < f.txt", "standard input (-) is named more than once"},
        {"q solve x.qbr \"$(printf '\\033[2J')\"", "record must be 0, 1, 2 or 3, not '\\x1b[2J'"},
        {"q pack -o a.qbr --level \"$(printf '\\033[2J')\" f.txt", "not '\\x1b[2J'"},
        {"q \"$(printf '\\033[2J')\"", "unknown command '\\x1b[2J'"},
    };
    for (const auto& [command, message] : refused) {
        const QbrRun run = limitedShell(dir.path(), QString::fromStdString(command));
        EXPECT_TRUE(exits(run, 2, {message})) << command;
        EXPECT_EQ(rawBytes(run.out) + rawBytes(run.err), 0) << command << ": raw bytes in\n" << run.err;
    }
    EXPECT_FALSE(QFile::exists(path("a.qbr")) || QFile::exists(path("b.qbr"))) << "nothing written on a doubt";
}

TEST_F(QbrTest, CheckAndShowNameTheDamageOfEachRecordUnderItsOwnLine) {
    const QString one = writeFile("p.txt", fieldToText(puzzle));
    ASSERT_TRUE(exits(qbr({"pack", "-o", path("d.qbr"), one, one, one, one}), 0));
    QByteArray bytes = contents(path("d.qbr"));
    int column = 1; // a given in row 1 of grid 0, far from its shared boxes
    while (puzzle[cellIndex(column, 1, 0)] == 0) ASSERT_LE(++column, 9);
    const int given = cellIndex(column, 1, 0);
    const SharedBox& box = kSharedBoxes[0];
    const int second = cellIndex(box.secondColumn, box.secondRow, box.secondGrid);
    bytes[given] = static_cast<char>(puzzle[given] % 9 + 1);                 // record 0: board differs from the given
    bytes[6000 + 400 + given] = 12;                                          // record 1: a byte above 9
    bytes[12000 + 400 + second] = static_cast<char>(puzzle[second] % 9 + 1); // record 2: copies differ
    QFile file(path("d.qbr"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    const QbrRun check = qbr({"check", path("d.qbr"), "--shuffles", "0"});
    EXPECT_EQ(check.exitCode, 1) << check.err;
    const std::string cell = fieldCellName({kGridFieldColumn[0] + column - 1, kGridFieldRow[0]});
    const std::string copies =
        "the two copies of shared cell " +
        fieldCellName({kGridFieldColumn[0] + box.masterColumn - 1, kGridFieldRow[0] + box.masterRow - 1}) +
        " differ in the givens block";
    const std::pair<int, std::string> problems[] = {{0, "board and givens differ at field cell " + cell},
                                                    {1, "cell bytes above 9 at field cell " + cell},
                                                    {2, copies}};
    std::istringstream lines(check.out);
    std::vector<std::string> recordOf(3);
    std::string line, heading;
    while (std::getline(lines, line)) {
        if (line.starts_with("record "))
            heading = line.substr(0, 9);
        else if (line.starts_with("  problem: "))
            for (const auto& [record, text] : problems)
                recordOf[record] += line.starts_with("  problem: " + text) ? heading : "";
        else
            EXPECT_TRUE(line.starts_with(path("d.qbr").toStdString() + ": ")) << line;
    }
    for (const auto& [record, text] : problems)
        EXPECT_EQ(recordOf[record], "record " + std::to_string(record) + ":") << text << "\n" << check.out;
    EXPECT_TRUE(exits(qbr({"show", path("d.qbr")}), 0,
                      {"  damage: cell bytes above 9 at field cell " + cell, "  damage: " + copies}));
}

TEST_F(QbrTest, PackThenShowAndSolveTheRecords) {
    const QString a = writeFile("a.txt", fieldToText(puzzle));
    const QString b = writeFile("b.txt", fieldToText(full));
    const QString out = path("paar.qbr");
    ASSERT_TRUE(exits(qbr({"pack", "-o", out, a, b, "--seed", "3"}), 0));
    EXPECT_EQ(contents(out).size(), 24000);
    EXPECT_EQ(qbr({"show", out, "1"}).out,
              "record 1: 288 givens, 0 entries, 0 candidate flags, clock clear\n" + fieldToText(full));
    EXPECT_TRUE(exits(qbr({"show", out}), 0,
                      {"record 0: " + std::to_string(countFilled(puzzle)) + " givens", "record 3: 0 givens"}));
    EXPECT_TRUE(exits(qbr({"solve", out, "0"}), 0));
    EXPECT_TRUE(exits(qbr({"solve", out}), 1)) << "the never-written records 2 and 3 stay incomplete";
    EXPECT_TRUE(exits(qbr({"show", out, "4"}), 2, {"record must be 0, 1, 2 or 3"}));
    ASSERT_TRUE(exits(qbr({"pack", "-o", path("paar2.qbr"), a, b, "--seed", "3"}), 0));
    EXPECT_EQ(contents(out), contents(path("paar2.qbr"))) << "the same seed gives the same filler";

    EXPECT_TRUE(exits(qbr({"pack", a}), 2)) << "no output named";
    EXPECT_TRUE(exits(qbr({"pack", "-o", path("x.qbr"), a, a, a, a, a}), 2)) << "five fields";
}

TEST_F(QbrTest, CheckPassesAGoodCollectionAndNamesEachProblem) {
    QStringList args{"pack", "-o", path("gut.qbr")};
    for (const char* name : {"p1.txt", "p2.txt", "p3.txt", "p4.txt"}) {
        const auto made = makePuzzle(levelRecipe(3), 27 + args.size(), 3, 100); // seeds 30 to 33
        ASSERT_TRUE(made.has_value());
        args << writeFile(name, fieldToText(made->givens));
    }
    ASSERT_TRUE(exits(qbr(args), 0));
    EXPECT_TRUE(exits(qbr({"check", path("gut.qbr"), "--shuffles", "3", "--minimal"}), 0,
                      {"symmetric, passes ", "shuffles 6/6 complete in ", " passes", ", minimal", "gut.qbr: ok"}));

    CellLayer lopsided = puzzle;
    setFieldValue(lopsided, symmetricPairs()[0][0], fieldValue(full, symmetricPairs()[0][0]));
    setFieldValue(lopsided, symmetricPairs()[0][1], 0);
    const QString bad = path("schief.qbr");
    ASSERT_TRUE(exits(
        qbr({"pack", "-o", bad, writeFile("l.txt", fieldToText(lopsided)), writeFile("f.txt", fieldToText(full))}), 0));
    EXPECT_TRUE(
        exits(qbr({"check", bad, "--shuffles", "2", "--minimal"}), 1,
              {"problem: the givens are not symmetric", "problem: 144 symmetric pairs of givens could go",
               "record 1: 288 givens, symmetric, passes 1, complete, shuffles 4/4 complete in 1 pass, not minimal\n",
               "record 2: 0 givens\n  problem: no givens"}));

    const QString shortFile = writeFile("kurz.qbr", std::string(6000, '\0'));
    EXPECT_TRUE(exits(qbr({"check", shortFile, "--shuffles", "0"}), 1,
                      {"problem: a board file has 24000 bytes", "too short for record 3"}));
    EXPECT_TRUE(exits(qbr({"check", shortFile, "--shuffles", "many"}), 2));
}

TEST_F(QbrTest, GenerateIsReproducibleAndItsCollectionPassesTheCheck) {
    const QString a = path("a.qbr"), b = path("b.qbr");
    ASSERT_TRUE(exits(qbr({"generate", "--level", "1", "--seed", "8", "--shuffles", "2", "-o", a}), 0,
                      {"record 3: 106 givens"}));
    ASSERT_TRUE(exits(qbr({"generate", "--level", "1", "--seed", "8", "--shuffles", "2", "--jobs", "1", "-o", b}), 0));
    EXPECT_EQ(contents(a), contents(b));
    EXPECT_TRUE(exits(qbr({"check", a, "--shuffles", "2", "--max-passes", "5"}), 0));
    EXPECT_TRUE(exits(qbr({"generate", "--level", "4", "--seed", "1", "-o", a}), 2));
    EXPECT_TRUE(exits(qbr({"generate", "--seed", "1", "-o", a}), 2));
}

TEST_F(QbrTest, GenerateOneWritesTheGamesPuzzleOfItsNumberAsRecordZero) {
    const QString out = path("raetsel.qbr");
    ASSERT_TRUE(
        exits(qbr({"generate", "--level", "2", "--seed", "4711", "--one", "-o", out}), 0,
              {"puzzle L2-4711: 92 givens, ", "raetsel.qbr: puzzle L2-4711 written as record 0, records 1-3 empty"}));
    const auto made = makeFreshPuzzle({2, 4711});
    ASSERT_TRUE(made.has_value());
    EXPECT_TRUE(exits(qbr({"show", out, "0", "--givens"}), 0, {fieldToText(made->givens)}));
    SeededRandom filler(4711);
    const std::vector<std::uint8_t> file = collectionFile({made->givens}, 2, filler, PuzzleNumber{2, 4711});
    EXPECT_EQ(contents(out),
              QByteArray(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size())))
        << "records 1-3 never written, the level in record 0's clock fields";
    Board loaded;
    RecordClock clock;
    ASSERT_TRUE(decodeBoardRecord(std::span(file).first(kRecordSize), loaded, clock));
    EXPECT_EQ(clock.puzzle, (PuzzleNumber{2, 4711})) << "a load of the file names the puzzle as the game does";

    EXPECT_TRUE(exits(qbr({"generate", "-l", "2", "-s", "1000000000", "--one", "-o", out}), 2, {"0..999999999"}));
    for (const char* option : {"--shuffles", "--attempts", "--jobs"})
        EXPECT_TRUE(exits(qbr({"generate", "-l", "2", "-s", "1", "--one", option, "2", "-o", out}), 2,
                          {std::string("takes no ") + option}));
}

} // namespace
} // namespace quintaro
