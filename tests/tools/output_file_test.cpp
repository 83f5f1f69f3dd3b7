// qbr's board-file output: written under the exact name given, and one that cannot be written is named
// in English, by generate before its work.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>
#include <sys/stat.h>

#include <sstream>

#include "engine/field_text.h"
#include "storage/file_bytes.h"
#include "storage/locked_folder.h"
#include "tools/output_file.h"
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

// The names in folder, read byte for byte (Qt would mend those that are no UTF-8).
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(d))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.emplace_back(entry->d_name);
        ::closedir(d);
    }
    return names;
}

TEST(QbrOutput, ReplacesAFileUnderItsExactBytesKeepingItsPermissionsAndLeavesNothingElse) {
    QTemporaryDir dir;
    // A folder whose name is no UTF-8: the bytes given are the bytes used. Qt cannot name it, so it
    // is cleared away here.
    const std::string folder = dir.path().toStdString() + "/\xff\x1b";
    const std::string file = folder + "/\xfe.qbr";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    struct Clear {
        const std::string& folder;
        const std::string& file;
        ~Clear() {
            ::unlink(file.c_str());
            ::rmdir(folder.c_str());
        }
    } clear{folder, file};

    const std::vector<std::uint8_t> first(24000, 1), second(24000, 2);
    std::string error;
    ASSERT_TRUE(writeOutputFile(file, first, error)) << error;
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(writeOutputFile(file, second, error)) << error;
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(test::fileBytes(file), std::string(24000, 2));
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"\xfe.qbr"}) << "no new file left beside it";

    test::LockedFolder lock(folder);
    if (!lock.locked) GTEST_SKIP() << "this process may write in any folder";
    EXPECT_FALSE(writeOutputFile(file, first, error));
    const std::string shown = dir.path().toStdString() + "/\\xff\\x1b/\\xfe.qbr";
    EXPECT_EQ(error.rfind("cannot write the board file: " + shown + " cannot be created (", 0), 0u) << error;
    EXPECT_FALSE(checkOutputFile(file, error));
    EXPECT_EQ(test::fileBytes(file), std::string(24000, 2)) << "the old file stays";
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"\xfe.qbr"});
}

} // namespace
} // namespace quintaro
