// The headless forms and printer: scripted answers, and what they record for a test to check.
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

namespace quintaro::platform {
namespace {

TEST(HeadlessFormsTest, FormsFollowTheScriptRecordWhatTheyGotAndRestoreTheFocus) {
    HeadlessPlatform platform;
    platform.scriptChampionName({true, "Jörg"});
    EXPECT_EQ(platform.askChampionName("Anna", 238, 281).name, "Jörg");
    EXPECT_FALSE(platform.askChampionName("Jörg", 1, 2).confirmed); // unscripted: cancelled
    ASSERT_EQ(platform.championForms().size(), 2u);
    EXPECT_TRUE(platform.championForms()[1].offered == "Jörg" && platform.championForms()[0].x == 238);

    HallOfFameLists lists;
    lists[2] = {{" 1.", "Anna Müller", "08.12.2026", "00:12:34.5"}};
    platform.scriptHallOfFame(HallOfFameAction::clear(1));
    platform.scriptHallOfFame(HallOfFameAction::clear(3));
    platform.scriptHallOfFame(HallOfFameAction::clear(0)); // for the next form
    const auto confirmOnlyExtrem = [](int tab) { return tab == 3; };
    const HallOfFameAnswer cleared = platform.showHallOfFame(lists, 2, 128, 184, confirmOnlyExtrem);
    EXPECT_TRUE(cleared.clear && cleared.level == 3);
    EXPECT_FALSE(platform.showHallOfFame(lists, 0, 0, 0, confirmOnlyExtrem).clear); // refused, then OK
    ASSERT_EQ(platform.hallOfFameForms().size(), 2u);
    const HallOfFameRecord& first = platform.hallOfFameForms()[0];
    EXPECT_TRUE(first.lists == lists && first.level == 2);
    EXPECT_EQ(first.clearsAsked, (std::vector<int>{1, 3}));
    EXPECT_EQ(platform.hallOfFameForms()[1].clearsAsked, (std::vector<int>{0}));

    platform.showAboutBox({"Quintaro V6.0", "© 2026 Norvik"}, 206, 188);
    EXPECT_EQ((std::pair{platform.focusRestores(), platform.window().activations()}), (std::pair{5, 5}));
}

TEST(HeadlessPrinterTest, PageRecordsEachCallWithItsStateUntilAnInjectedFailure) {
    HeadlessPlatform platform;
    PrintStart status = PrintStart::Failed;
    auto printer = platform.startPrinting("Brett drucken", status);
    ASSERT_EQ(status, PrintStart::Started);
    EXPECT_EQ((std::pair{printer->pageWidth(), printer->pageHeight()}), (std::pair{4800, 6600}));
    Surface& page = printer->page();
    page.setLineWidth(5);
    page.rectangle(1375, 470, 1595, 752);
    page.setFont(FontRequest::points("ARIAL", 20));
    page.text(1595, 94, "QUINTARO");
    // 20 points at 600 dots per inch are 167 pixels high: the text is far wider than on the screen.
    EXPECT_GT(page.textWidth("QUINTARO"), 600);
    EXPECT_TRUE(printer->finish());
    const PrintJob& job = platform.lastPrintJob();
    EXPECT_EQ(job.documentName, "Brett drucken");
    ASSERT_EQ(job.operations.size(), 2u);
    const PrintOperation& box = job.operations[0];
    EXPECT_TRUE(box.kind == PrintOperation::Kind::Rectangle && box.lineWidth == 5 && box.x2 == 1595);
    EXPECT_TRUE(job.operations[1].text == "QUINTARO" && job.operations[1].font == FontRequest::points("ARIAL", 20));
    EXPECT_TRUE(job.finished && !job.aborted);

    platform.failPrintingAfter(1);
    platform.setPrintPage(100, 200);
    printer = platform.startPrinting("b", status);
    EXPECT_EQ(printer->pageHeight(), 200);
    printer->page().line(0, 0, 1, 1);
    EXPECT_FALSE(printer->failed());
    printer->page().line(2, 2, 3, 3);
    printer->page().text(0, 0, "x");
    EXPECT_TRUE(printer->failed() && !printer->finish());
    printer->abort();
    EXPECT_EQ(platform.lastPrintJob().operations.size(), 1u);
    EXPECT_TRUE(platform.lastPrintJob().aborted);

    platform.scriptPrintStart(PrintStart::Cancelled);
    EXPECT_EQ(platform.startPrinting("c", status), nullptr);
    EXPECT_EQ(status, PrintStart::Cancelled);
    EXPECT_EQ(platform.printJobs(), 3u);
}

} // namespace
} // namespace quintaro::platform
