// The Qt platform's forms, printer and help window, driven as the player would: typed names, tabs and
// "&Löschen" on the modal forms, a page printed to PDF, the help window beside the game as it ends.
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_printer.h"

#include <QtTest>
#include <QtWidgets>

#include <fstream>

using namespace quintaro::platform;

namespace {

// Acts on the modal form once it shows; a form the action leaves open is closed after a while.
template <typename Act>
void whenShown(Act act) {
    QTimer::singleShot(0, qApp, [act] {
        if (auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*form);
    });
    QTimer::singleShot(5000, qApp, [] {
        if (QWidget* form = QApplication::activeModalWidget()) form->close();
    });
}

template <typename T>
T& child(QDialog& form, const char* name) {
    if (T* found = form.findChild<T*>(QString::fromLatin1(name))) return *found;
    qFatal("no %s", name);
}

} // namespace

class GameFormsTest : public QObject {
    Q_OBJECT

public:
    explicit GameFormsTest(Platform& platform) : platform_(platform) {}

private:
    Platform& platform_;

private slots:
    void initTestCase() { platform_.mainWindow().open({0, 0, 400, 348}); }

    void nameFormTakesOneLineOfWindows1252Characters() {
        whenShown([&](QDialog& form) {
            auto& nameEdit = child<QLineEdit>(form, "nameEdit");
            QCOMPARE(form.pos(), QPoint(238, 281));
            QCOMPARE(nameEdit.text(), QStringLiteral("Anna Müller"));
            QCOMPARE(form.focusWidget(), &nameEdit);
            // Typed key by key, as a keyboard with these characters would (keyClicks knows ASCII only);
            // Ω is not in Windows-1252.
            for (const QChar c : QStringLiteral("Jörg €Ω"))
                QTest::sendKeyEvent(QTest::Click, &nameEdit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            nameEdit.insert(QStringLiteral("\t"));
            QTest::keyClick(&nameEdit, Qt::Key_Return);
        });
        const ChampionNameAnswer answer = platform_.askChampionName("Anna Müller", 238, 281);
        QVERIFY(answer.confirmed);
        QCOMPARE(QString::fromStdString(answer.name), QStringLiteral("Jörg €"));
        QTRY_COMPARE(QApplication::focusWidget(),
                     &dynamic_cast<QtMainWindow&>(platform_.mainWindow()).widget().canvas());

        whenShown([](QDialog& form) {
            auto& nameEdit = child<QLineEdit>(form, "nameEdit");
            QTest::keyClicks(&nameEdit, QString(40, QLatin1Char('x')));
            QCOMPARE(nameEdit.text().size(), 30);
            QTest::keyClick(&nameEdit, Qt::Key_Escape);
        });
        QVERIFY(!platform_.askChampionName("", 0, 0).confirmed);
    }

    void hallOfFameShowsRowsFieldByFieldAndClearsOnlyWhenConfirmed() {
        HallOfFameLists lists;
        lists[1] = {{" 1.", "Anna; Müller", "08.12.2026", "00:12:34.5"}, {" 2.", "Jörg", "09.12.2026", "00:13:00.0"}};
        std::vector<int> asked;
        const auto confirmSecondTime = [&](int tab) {
            asked.push_back(tab);
            return asked.size() == 2;
        };
        whenShown([&](QDialog& form) {
            auto& levelTabs = child<QTabWidget>(form, "levelTabs");
            QCOMPARE(levelTabs.currentIndex(), 1);
            QStringList firstRow;
            for (int c = 0; c < 4; ++c) firstRow << child<QTreeWidget>(form, "levelList1").topLevelItem(0)->text(c);
            QCOMPARE(firstRow, (QStringList{" 1.", "Anna; Müller", "08.12.2026", "00:12:34.5"}));
            for (const char* list : {"levelList0", "levelList2", "levelList3"})
                QCOMPARE(child<QTreeWidget>(form, list).topLevelItemCount(), 0);
            child<QPushButton>(form, "clearButton").click();
            QVERIFY(form.isVisible()); // refused
            levelTabs.setCurrentIndex(3);
            child<QPushButton>(form, "clearButton").click();
        });
        const HallOfFameAnswer answer = platform_.showHallOfFame(lists, 1, 128, 184, confirmSecondTime);
        QCOMPARE(asked, (std::vector<int>{1, 3}));
        QVERIFY(answer.clear && answer.level == 3);

        whenShown([](QDialog& form) { form.close(); }); // the close box is "&OK"
        QVERIFY(!platform_.showHallOfFame(lists, 0, 0, 0, confirmSecondTime).clear);
        QCOMPARE(asked.size(), std::size_t(2));
    }

    void aQuestionOverAFormLeavesTheFormInFront() {
        auto& mainWidget = static_cast<QtMainWindow&>(platform_.mainWindow()).widget();
        QDialog over(&mainWidget);
        int answer = 0;
        QWidget *activeAfter = nullptr, *modalAfter = nullptr;
        QTimer::singleShot(0, &over, [&] {
            whenShown([](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }); // "&NEIN"
            answer = platform_.alertBox(AlertIcon::Question, "Brett 2 ist leer. Trotzdem laden?", "&JA|&NEIN", 2);
            QApplication::processEvents();
            activeAfter = QApplication::activeWindow();
            modalAfter = QApplication::activeModalWidget();
            over.accept();
        });
        over.exec();
        QCOMPARE(answer, 2);
        QCOMPARE(modalAfter, &over);
        QVERIFY(activeAfter != &mainWidget);
    }

    void aboutBoxHasOneLabelPerLine() {
        const QStringList lines{"Quintaro V6.0", "Ein Zahlenrätsel aus vier Gittern", "© 2026 Norvik"};
        QStringList labels;
        whenShown([&](QDialog& form) {
            for (const char* label : {"line0", "line1", "line2"}) labels << child<QLabel>(form, label).text();
            child<QPushButton>(form, "okButton").click();
        });
        platform_.showAboutBox({lines[0].toStdString(), lines[1].toStdString(), lines[2].toStdString()}, 206, 188);
        QCOMPARE(labels, lines);
    }

    void pagePrintsToAPdfFileAndAnAbortedOneLeavesNone() {
        QTemporaryDir dir;
        const std::string file = dir.filePath("brett.pdf").toStdString();
        PrintStart status = PrintStart::Failed;
        auto printer = startPdfPrinting("Brett drucken", file, status);
        QCOMPARE(status, PrintStart::Started);
        // At 600 dots per inch 20 points are 167 pixels high: "QUINTARO" is far wider than the 250
        // pixels it would be at the screen's 96.
        QVERIFY(printer->pageWidth() > 4000);
        Surface& page = printer->page();
        page.setFont(FontRequest::points("ARIAL", 20));
        QVERIFY(page.textWidth("QUINTARO") > 700);
        page.text(100, 100, "QUINTARO");
        page.rectangle(100, 500, 2000, 2500);
        QVERIFY(!printer->failed() && printer->finish());
        QFile pdf(QString::fromStdString(file));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(4) == "%PDF");

        const std::string dropped = dir.filePath("verworfen.pdf").toStdString();
        startPdfPrinting("x", dropped, status)->abort();
        QVERIFY(!QFile::exists(QString::fromStdString(dropped)));
        QVERIFY(!startPdfPrinting("x", dir.filePath("fehlt/brett.pdf").toStdString(), status));
        QCOMPARE(status, PrintStart::Failed);
    }

    // Last: the main window closes at its end.
    void helpWindowIsReusedAndEndsWithTheMainWindow() {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        std::ofstream("Übersicht.htm") << "<html><body><a href=\"Erklärung.htm\">Spielregeln</a></body></html>";
        std::ofstream("Erklärung.htm") << "<html><body>Regeln</body></html>";
        QVERIFY(platform_.htmlHelpAvailable());
        QVERIFY(!platform_.showHelpPage("Fehlt.htm"));
        QVERIFY(platform_.showHelpPage("Übersicht.htm") && platform_.showHelpPage("Erklärung.htm"));
        QDir::setCurrent(previous);
        QList<QWidget*> help;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QStringLiteral("Quintaro – Hilfe")) help << w;
        QCOMPARE(help.size(), 1);
        QVERIFY(help[0]->isVisible());

        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, qApp, [this] { platform_.mainWindow().close(); });
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit);
        platform_.run();
        QVERIFY(clock.elapsed() < 4000);
        QVERIFY(!help[0]->isVisible());
    }
};

int main(int argc, char** argv) {
    auto platform = createQtPlatform(argc, argv);
    GameFormsTest test(*platform);
    return QTest::qExec(&test, argc, argv);
}

#include "game_forms_qtest.moc"
