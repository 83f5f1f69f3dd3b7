// The reasons a failed write gives: the system's when there is one, none when Qt only has "Unknown error".
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>

#include <string>

#include "storage/atomic_file.h"
#include "storage/file_size_limit.h"

namespace quintaro {
namespace {

// Qt speaks German as in the game, where its "Unknown error" reads "Unbekannter Fehler".
class GermanQt {
public:
    GermanQt() {
        if (translator_.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&translator_);
    }
    bool speaksGerman() const {
        return QCoreApplication::translate("QIODevice", "Unknown error") == QStringLiteral("Unbekannter Fehler");
    }

private:
    int argc_ = 1;
    char name_[9] = "storage";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication application_{argc_, argv_};
    QTranslator translator_;
};

TEST(WriteReasonTest, AReasonIsGivenOnlyWhenTheSystemHasOneInAnyLanguage) {
    GermanQt german;
    ASSERT_TRUE(german.speaksGerman()) << "the German Qt translations are missing";
    QTemporaryDir dir;
    const std::string path = dir.filePath("brett.qbr").toStdString();
    ASSERT_FALSE(writeWholeFile(path, "alt", WriteRules{}));

    QFile untouched(QString::fromStdString(path));
    EXPECT_EQ(fileErrorDetail(untouched), "");
    QFile missing(dir.filePath("fehlt.qbr"));
    ASSERT_FALSE(missing.open(QIODevice::ReadOnly));
    const std::string openDetail = fileErrorDetail(missing);
    EXPECT_EQ(openDetail.rfind(" (", 0), 0u) << openDetail;

    const std::string bytes(24000, 'x');
    std::optional<WriteFailure> partWay, atOnce;
    {
        test::FileSizeLimit full(1000); // the disk fills after 1,000 bytes: a short write, no error code
        partWay = writeWholeFile(path, bytes, WriteRules{});
    }
    {
        test::FileSizeLimit full(0); // the very first byte fails: the system says why
        atOnce = writeWholeFile(path, bytes, WriteRules{});
    }
    ASSERT_TRUE(partWay && atOnce);
    EXPECT_EQ(germanReason(*partWay), "Schreibfehler in " + path + ", ist der Datenträger voll?");
    EXPECT_EQ(atOnce->step, WriteFailure::Step::Write);
    EXPECT_EQ(atOnce->detail.rfind(" (", 0), 0u) << atOnce->detail;
    for (const std::string& detail : {openDetail, atOnce->detail})
        EXPECT_EQ(detail.find("Unbekannt"), std::string::npos) << detail;

    QFile kept(QString::fromStdString(path));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "alt");
}

} // namespace
} // namespace quintaro
