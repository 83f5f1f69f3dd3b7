// The built qbr program end to end: its commands, outputs, messages and exit codes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "engine/field_text.h"
#include "engine/full_field.h"
#include "tools/puzzle_checks.h"
#include "tools/puzzle_maker.h"

namespace quintaro {
namespace {

struct QbrRun {
    int exitCode = -1;
    std::string out, err;
};

QbrRun qbr(const QStringList& args, const QByteArray& input = {}) {
    const QByteArray bin = qgetenv("QUINTARO_BIN");
    QProcess process;
    process.start(QString::fromLocal8Bit(bin.isEmpty() ? QByteArray(".") : bin) + "/qbr", args);
    if (!process.waitForStarted()) return {-1, {}, "qbr did not start; is QUINTARO_BIN the build folder?"};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
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
    EXPECT_EQ(run.out, fieldToText(full) + "passes: " + std::to_string(solveGivens(puzzle).passes) + "\ncomplete\n");
    EXPECT_EQ(qbr({"solve", "-"}, QByteArray::fromStdString(fieldToText(puzzle))).out, run.out);
    EXPECT_EQ(qbr({"solve", "--literal", file}).out, run.out);

    const QbrRun traced = qbr({"solve", "--trace", file});
    int placements = 0;
    for (std::size_t at = traced.out.find("pass "); at != std::string::npos; at = traced.out.find("\npass ", at + 1)) ++placements;
    EXPECT_EQ(placements, 288 - countFilled(puzzle));
    EXPECT_TRUE(traced.out.starts_with("pass 1: ") && contains(traced.out, ", symbol ")) << traced.out.substr(0, 300);
    EXPECT_TRUE(traced.out.ends_with(run.out));

    CellLayer sparse = puzzle;
    for (int i = 0; i < 6; ++i) {
        setFieldValue(sparse, symmetricPairs()[i * 20][0], 0);
        setFieldValue(sparse, symmetricPairs()[i * 20][1], 0);
    }
    EXPECT_TRUE(exits(qbr({"solve", writeFile("sparse.txt", fieldToText(sparse))}), 1, {"\nincomplete\n"}));
}

TEST_F(QbrTest, HelpForEveryCommandAndBadInputNamesWhatIsWrong) {
    const QbrRun overview = qbr({"--help"});
    for (const char* command : {"show", "solve", "check", "pack", "generate"}) {
        EXPECT_TRUE(exits(overview, 0, {command}));
        EXPECT_TRUE(exits(qbr({command, "--help"}), 0, {std::string("usage: qbr ") + command}));
    }
    EXPECT_TRUE(exits(qbr({}), 2));
    EXPECT_TRUE(exits(qbr({"frobnicate"}), 2, {"unknown command 'frobnicate'"}));
    std::string text = fieldToText(puzzle);
    text[text.find('\n', text.find('\n') + 1) + 1 + 7] = 'x'; // line 3, column 8: inside grid 0
    const QString file = writeFile("bad.txt", text);
    EXPECT_TRUE(exits(qbr({"solve", file}), 2, {file.toStdString() + ":3:8: 'x' inside a grid"}));
    EXPECT_TRUE(exits(qbr({"show", "-"}, QByteArray::fromStdString(text)), 2, {"<stdin>:3:8:"}));
    EXPECT_TRUE(exits(qbr({"solve", path("nicht-da.txt")}), 2, {"nicht-da.txt: cannot open (no such file)"}));
    EXPECT_TRUE(exits(qbr({"show", path("nicht-da.qbr")}), 2));
    EXPECT_TRUE(exits(qbr({"solve", writeFile("ok.txt", fieldToText(puzzle)), "--frobnicate"}), 2));
}

TEST_F(QbrTest, PackThenShowAndSolveTheRecords) {
    const QString a = writeFile("a.txt", fieldToText(puzzle));
    const QString b = writeFile("b.txt", fieldToText(full));
    const QString out = path("paar.qbr");
    ASSERT_TRUE(exits(qbr({"pack", "-o", out, a, b, "--seed", "3"}), 0));
    EXPECT_EQ(contents(out).size(), 24000);
    EXPECT_EQ(qbr({"show", out, "1"}).out, "record 1: 288 givens, 0 entries, 0 candidate flags, clock clear\n" + fieldToText(full));
    EXPECT_TRUE(exits(qbr({"show", out}), 0,
                      {"record 0: " + std::to_string(countFilled(puzzle)) + " givens", "record 3: 0 givens"}));
    EXPECT_TRUE(exits(qbr({"solve", out, "0"}), 0));
    EXPECT_TRUE(exits(qbr({"solve", out}), 1)) << "the never-written records 2 and 3 stay incomplete";
    EXPECT_TRUE(exits(qbr({"show", out, "4"}), 2, {"record must be 0, 1, 2 or 3"}));
    ASSERT_TRUE(exits(qbr({"pack", "-o", path("paar2.qbr"), a, b, "--seed", "3"}), 0));
    EXPECT_EQ(contents(out), contents(path("paar2.qbr"))) << "the same seed gives the same filler";

    EXPECT_TRUE(exits(qbr({"pack", a}), 2)) << "no output named";
    EXPECT_TRUE(exits(qbr({"pack", "-o", path("x.qbr"), a, a, a, a, a}), 2)) << "five fields";
    EXPECT_TRUE(exits(qbr({"pack", "-o", a + "/x.qbr", a}), 2, {"Die Brettdatei konnte nicht geschrieben werden"}));
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
                      {"symmetric, passes ", "shuffles 6/6 complete, minimal", "gut.qbr: ok"}));

    CellLayer lopsided = puzzle;
    setFieldValue(lopsided, symmetricPairs()[0][0], fieldValue(full, symmetricPairs()[0][0]));
    setFieldValue(lopsided, symmetricPairs()[0][1], 0);
    const QString bad = path("schief.qbr");
    ASSERT_TRUE(exits(qbr({"pack", "-o", bad, writeFile("l.txt", fieldToText(lopsided)), writeFile("f.txt", fieldToText(full))}), 0));
    EXPECT_TRUE(exits(qbr({"check", bad, "--shuffles", "2", "--minimal"}), 1,
                      {"problem: the givens are not symmetric", "problem: 144 symmetric pairs of givens could go",
                       "record 2: 0 givens\n  problem: no givens"}));

    const QString shortFile = writeFile("kurz.qbr", std::string(6000, '\0'));
    EXPECT_TRUE(exits(qbr({"check", shortFile, "--shuffles", "0"}), 1,
                      {"problem: a board file has 24000 bytes", "too short for record 3"}));
    EXPECT_TRUE(exits(qbr({"check", shortFile, "--shuffles", "many"}), 2));
}

TEST_F(QbrTest, GenerateIsReproducibleAndItsCollectionPassesTheCheck) {
    const QString a = path("a.qbr"), b = path("b.qbr");
    ASSERT_TRUE(exits(qbr({"generate", "--level", "1", "--seed", "8", "--shuffles", "2", "-o", a}), 0, {"record 3: 106 givens"}));
    ASSERT_TRUE(exits(qbr({"generate", "--level", "1", "--seed", "8", "--shuffles", "2", "--jobs", "1", "-o", b}), 0));
    EXPECT_EQ(contents(a), contents(b));
    EXPECT_TRUE(exits(qbr({"check", a, "--shuffles", "2", "--max-passes", "5"}), 0));
    EXPECT_TRUE(exits(qbr({"generate", "--level", "4", "--seed", "1", "-o", a}), 2));
    EXPECT_TRUE(exits(qbr({"generate", "--seed", "1", "-o", a}), 2));
}

} // namespace
} // namespace quintaro
