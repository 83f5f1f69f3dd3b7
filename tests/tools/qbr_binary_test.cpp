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

TEST_F(QbrTest, HelpDocumentsEveryCommand) {
    const QbrRun overview = qbr({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    for (const char* command : {"show", "solve", "check", "pack", "generate"}) {
        EXPECT_TRUE(contains(overview.out, command)) << command;
        const QbrRun help = qbr({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(contains(help.out, std::string("usage: qbr ") + command)) << help.out;
    }
    EXPECT_EQ(qbr({}).exitCode, 2);
    const QbrRun unknown = qbr({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(contains(unknown.err, "unknown command 'frobnicate'")) << unknown.err;
}

TEST_F(QbrTest, SolveATextFieldFromAFileOrStandardInput) {
    const QString file = writeFile("puzzle.txt", fieldToText(puzzle));
    const SolveOutcome expected = solveGivens(puzzle);
    const std::string tail = "passes: " + std::to_string(expected.passes) + "\ncomplete\n";

    const QbrRun run = qbr({"solve", file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, fieldToText(full) + tail);
    EXPECT_EQ(qbr({"solve", "-"}, QByteArray::fromStdString(fieldToText(puzzle))).out, run.out);

    CellLayer sparse = puzzle;
    for (int i = 0; i < 6; ++i) {
        setFieldValue(sparse, symmetricPairs()[i * 20][0], 0);
        setFieldValue(sparse, symmetricPairs()[i * 20][1], 0);
    }
    const QbrRun stuck = qbr({"solve", writeFile("sparse.txt", fieldToText(sparse))});
    EXPECT_EQ(stuck.exitCode, 1);
    EXPECT_TRUE(contains(stuck.out, "\nincomplete\n")) << stuck.out;
}

TEST_F(QbrTest, TraceReportsOnePlacementPerEmptyCell) {
    const QbrRun run = qbr({"solve", "--trace", writeFile("puzzle.txt", fieldToText(puzzle))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    int placements = 0;
    for (std::size_t at = run.out.find("pass "); at != std::string::npos; at = run.out.find("\npass ", at + 1)) ++placements;
    EXPECT_EQ(placements, 288 - countFilled(puzzle));
    EXPECT_TRUE(contains(run.out, "pass 1: ")) << run.out.substr(0, 300);
    EXPECT_TRUE(contains(run.out, ", symbol ")) << run.out.substr(0, 300);
}

TEST_F(QbrTest, BadTextNamesFileLineAndColumn) {
    std::string text = fieldToText(puzzle);
    const std::size_t lineStart = text.find('\n', text.find('\n') + 1) + 1; // line 3
    text[lineStart + 7] = 'x';                                             // column 8 lies in grid 0
    const QString file = writeFile("bad.txt", text);
    const QbrRun run = qbr({"solve", file});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, file.toStdString() + ":3:8: 'x' inside a grid")) << run.err;
    const QbrRun fromStdin = qbr({"show", "-"}, QByteArray::fromStdString(text));
    EXPECT_EQ(fromStdin.exitCode, 2);
    EXPECT_TRUE(contains(fromStdin.err, "<stdin>:3:8:")) << fromStdin.err;

    const QbrRun missing = qbr({"solve", path("nicht-da.txt")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(contains(missing.err, "nicht-da.txt: cannot open (no such file)")) << missing.err;
    EXPECT_EQ(qbr({"show", path("nicht-da.qbr")}).exitCode, 2);
    EXPECT_EQ(qbr({"solve", writeFile("ok.txt", fieldToText(puzzle)), "--frobnicate"}).exitCode, 2);
}

TEST_F(QbrTest, PackThenShowAndSolveTheRecords) {
    const QString a = writeFile("a.txt", fieldToText(puzzle));
    const QString b = writeFile("b.txt", fieldToText(full));
    const QString out = path("paar.qbr");
    const QbrRun pack = qbr({"pack", "-o", out, a, b, "--seed", "3"});
    ASSERT_EQ(pack.exitCode, 0) << pack.err;
    EXPECT_EQ(QFile(out).size(), 24000);

    const QbrRun show = qbr({"show", out, "1"});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out, "record 1: 288 givens, 0 entries, 0 candidate flags, clock clear\n" + fieldToText(full));
    const QbrRun all = qbr({"show", out});
    EXPECT_TRUE(contains(all.out, "record 0: " + std::to_string(countFilled(puzzle)) + " givens")) << all.out;
    EXPECT_TRUE(contains(all.out, "record 3: 0 givens")) << all.out;

    EXPECT_EQ(qbr({"solve", out, "0"}).exitCode, 0);
    EXPECT_EQ(qbr({"solve", out}).exitCode, 1) << "the never-written records 2 and 3 stay incomplete";
    const QbrRun badRecord = qbr({"show", out, "4"});
    EXPECT_EQ(badRecord.exitCode, 2);
    EXPECT_TRUE(contains(badRecord.err, "record must be 0, 1, 2 or 3")) << badRecord.err;

    const QbrRun again = qbr({"pack", "-o", path("paar2.qbr"), a, b, "--seed", "3"});
    ASSERT_EQ(again.exitCode, 0);
    QFile first(out), second(path("paar2.qbr"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), second.readAll()) << "the same seed gives the same filler";
}

TEST_F(QbrTest, PackRefusesWhatItCannotDo) {
    const QString a = writeFile("a.txt", fieldToText(puzzle));
    EXPECT_EQ(qbr({"pack", a}).exitCode, 2) << "no output named";
    EXPECT_EQ(qbr({"pack", "-o", path("x.qbr"), a, a, a, a, a}).exitCode, 2) << "five fields";
    const QbrRun unwritable = qbr({"pack", "-o", a + "/x.qbr", a});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_TRUE(contains(unwritable.err, "Die Brettdatei konnte nicht geschrieben werden")) << unwritable.err;
}

TEST_F(QbrTest, CheckPassesAGoodCollectionAndNamesEachProblem) {
    std::vector<QString> fields;
    for (const char* name : {"p1.txt", "p2.txt", "p3.txt", "p4.txt"}) {
        const auto made = makePuzzle(levelRecipe(3), 30 + fields.size(), 3, 100);
        ASSERT_TRUE(made.has_value());
        fields.push_back(writeFile(name, fieldToText(made->givens)));
    }
    const QString good = path("gut.qbr");
    ASSERT_EQ(qbr({"pack", "-o", good, fields[0], fields[1], fields[2], fields[3]}).exitCode, 0);
    const QbrRun ok = qbr({"check", good, "--shuffles", "3", "--minimal"});
    EXPECT_EQ(ok.exitCode, 0) << ok.out << ok.err;
    EXPECT_TRUE(contains(ok.out, "symmetric, passes ")) << ok.out;
    EXPECT_TRUE(contains(ok.out, "shuffles 6/6 complete, minimal")) << ok.out;
    EXPECT_TRUE(contains(ok.out, "gut.qbr: ok")) << ok.out;

    CellLayer lopsided = puzzle;
    setFieldValue(lopsided, symmetricPairs()[0][0], fieldValue(full, symmetricPairs()[0][0]));
    setFieldValue(lopsided, symmetricPairs()[0][1], 0);
    const QString bad = path("schief.qbr");
    ASSERT_EQ(qbr({"pack", "-o", bad, writeFile("l.txt", fieldToText(lopsided)), writeFile("f.txt", fieldToText(full))})
                  .exitCode,
              0);
    const QbrRun problems = qbr({"check", bad, "--shuffles", "2", "--minimal"});
    EXPECT_EQ(problems.exitCode, 1);
    EXPECT_TRUE(contains(problems.out, "problem: the givens are not symmetric")) << problems.out;
    EXPECT_TRUE(contains(problems.out, "problem: 144 symmetric pairs of givens could go")) << problems.out;
    EXPECT_TRUE(contains(problems.out, "record 2: 0 givens\n  problem: no givens")) << problems.out;

    QFile shortFile(path("kurz.qbr"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(6000, '\0'));
    shortFile.close();
    const QbrRun truncated = qbr({"check", path("kurz.qbr"), "--shuffles", "0"});
    EXPECT_EQ(truncated.exitCode, 1);
    EXPECT_TRUE(contains(truncated.out, "problem: a board file has 24000 bytes")) << truncated.out;
    EXPECT_TRUE(contains(truncated.out, "too short for record 3")) << truncated.out;
    EXPECT_EQ(qbr({"check", path("kurz.qbr"), "--shuffles", "many"}).exitCode, 2);
}

TEST_F(QbrTest, GenerateIsReproducibleAndItsCollectionPassesTheCheck) {
    const QString a = path("a.qbr"), b = path("b.qbr");
    const QbrRun first = qbr({"generate", "--level", "1", "--seed", "8", "--shuffles", "2", "-o", a});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_TRUE(contains(first.out, "record 3: 106 givens")) << first.out;
    ASSERT_EQ(qbr({"generate", "--level", "1", "--seed", "8", "--shuffles", "2", "--jobs", "1", "-o", b}).exitCode, 0);
    QFile fa(a), fb(b);
    ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    EXPECT_EQ(fa.readAll(), fb.readAll());

    const QbrRun check = qbr({"check", a, "--shuffles", "2", "--max-passes", "5"});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(qbr({"generate", "--level", "4", "--seed", "1", "-o", a}).exitCode, 2);
    EXPECT_EQ(qbr({"generate", "--seed", "1", "-o", a}).exitCode, 2);
}

} // namespace
} // namespace quintaro
