// qbr's board-file output: one that cannot be written is named in English, by generate before its work.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>

#include "engine/field_text.h"
#include "storage/locked_folder.h"
#include "tools/qbr.h"

namespace quintaro {
namespace {

TEST(QbrOutput, AnOutputThatCannotBeWrittenIsNamedBeforeAnyWork) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.qbr") && QDir(dir.path()).mkdir("fest"));
    QFile field(dir.filePath("feld.txt"));
    ASSERT_TRUE(field.open(QIODevice::WriteOnly) && field.write(fieldToText(CellLayer{}).c_str()) > 0);
    field.close();
    test::LockedFolder lock(folder + "/fest");

    const std::string prefix = "qbr: cannot write the board file: ";
    const std::vector<std::pair<std::string, std::string>> cases{
        {folder + "/nirgends/x.qbr", "the folder " + folder + "/nirgends does not exist"},
        {folder + "/ordner.qbr", folder + "/ordner.qbr is a folder"},
        {"/dev/null", "/dev/null is not a regular file"},
        {folder + "/fest/x.qbr", lock.locked ? folder + "/fest/x.qbr cannot be created" : ""},
    };
    for (const auto& [target, message] : cases) {
        if (message.empty()) continue; // a folder this process may write in any case
        const std::vector<std::string> generate{"generate", "-l", "0", "-s", "1", "--attempts", "1", "--shuffles", "0"};
        for (std::vector<std::string> args : {generate, {"pack", folder + "/feld.txt"}}) {
            args.insert(args.end(), {"-o", target});
            std::istringstream in;
            std::ostringstream out, err;
            Streams io{in, out, err};
            EXPECT_EQ(runQbr(args, io), 2) << args[0] << " " << target;
            EXPECT_EQ(out.str(), "") << "no work before the check";
            EXPECT_EQ(err.str().rfind(prefix + message, 0), 0u) << err.str();
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("nirgends")));
}

} // namespace
} // namespace quintaro
