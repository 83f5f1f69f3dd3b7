// The Qt platform's forms, printer and help window, driven as the player would: typed names, tabs and
// "&Löschen" on the modal forms, a page printed to PDF, the help window beside the game as it ends.
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_printer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>

using namespace quintaro::platform;

namespace {

// Acts on the modal form once it shows; a form the action leaves open is closed after a while.
template <typename Act>
void whenShown(Act act)
{
    QTimer::singleShot(0, qApp, [act] {
        if (auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            act(*form);
    });
    QTimer::singleShot(5000, qApp, [] {
        if (QWidget* form = QApplication::activeModalWidget())
            form->close();
    });
}

template <typename T>
T& child(QDialog& form, const char* name)
{
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return *found;
}

// Types text key by key, as a keyboard with these characters would (QTest::keyClicks knows ASCII only).
void type(QWidget& widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QWidget* helpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QStringLiteral("Quintaro – Hilfe"))
            return w;
    return nullptr;
}

} // namespace

class GameFormsTest : public QObject {
    Q_OBJECT

public:
    explicit GameFormsTest(Platform& platform) : platform_(platform) {}

private:
    Platform& platform_;

    QWidget& canvas() { return dynamic_cast<QtMainWindow&>(platform_.mainWindow()).widget().canvas(); }

private slots:
    void initTestCase() { platform_.mainWindow().open({0, 0, 400, 348}); }

    void nameFormTakesOneLineOfWindows1252Characters()
    {
        QPoint position;
        QString shown;
        whenShown([&](QDialog& form) {
            position = form.pos();
            auto& ed1 = child<QLineEdit>(form, "ed1");
            shown = ed1.text();
            QCOMPARE(form.focusWidget(), &ed1);
            type(ed1, QStringLiteral("Jörg €Ω")); // Ω is not in Windows-1252
            ed1.insert(QStringLiteral("\t"));
            QTest::keyClick(&ed1, Qt::Key_Return);
        });
        const ChampionNameAnswer answer = platform_.askChampionName("Anna Müller", 238, 281);
        QCOMPARE(shown, QStringLiteral("Anna Müller"));
        QCOMPARE(position, QPoint(238, 281));
        QVERIFY(answer.confirmed);
        QCOMPARE(QString::fromStdString(answer.name), QStringLiteral("Jörg €"));
        QTRY_COMPARE(QApplication::focusWidget(), &canvas());

        whenShown([](QDialog& form) {
            auto& ed1 = child<QLineEdit>(form, "ed1");
            QTest::keyClicks(&ed1, QString(40, QLatin1Char('x')));
            QCOMPARE(ed1.text().size(), 30);
            QTest::keyClick(&ed1, Qt::Key_Escape);
        });
        QVERIFY(!platform_.askChampionName("", 0, 0).confirmed);
    }

    void hallOfFameShowsRowsFieldByFieldAndClearsOnlyWhenConfirmed()
    {
        HallOfFameLists lists;
        lists[1] = {{" 1.", "Anna; Müller", "08.12.2026", "00:12:34.5"}, {" 2.", "Jörg", "09.12.2026", "00:13:00.0"}};
        std::vector<int> asked;
        const auto confirmSecondTime = [&](int tab) {
            asked.push_back(tab);
            return asked.size() == 2;
        };
        QStringList firstRow;
        int selected = -1, rowsOnOtherTabs = 0;
        bool openAfterRefusal = false;
        whenShown([&](QDialog& form) {
            auto& tbs1 = child<QTabWidget>(form, "tbs1");
            selected = tbs1.currentIndex();
            auto& lv2 = child<QTreeWidget>(form, "lv2");
            for (int c = 0; c < 4; ++c)
                firstRow << lv2.topLevelItem(0)->text(c);
            rowsOnOtherTabs = child<QTreeWidget>(form, "lv1").topLevelItemCount() +
                              child<QTreeWidget>(form, "lv4").topLevelItemCount();
            child<QPushButton>(form, "cmd4").click();
            openAfterRefusal = form.isVisible();
            tbs1.setCurrentIndex(3);
            child<QPushButton>(form, "cmd4").click();
        });
        const HallOfFameAnswer answer = platform_.showHallOfFame(lists, 1, 128, 184, confirmSecondTime);
        QCOMPARE(selected, 1);
        QCOMPARE(firstRow, (QStringList{" 1.", "Anna; Müller", "08.12.2026", "00:12:34.5"}));
        QCOMPARE(rowsOnOtherTabs, 0);
        QVERIFY(openAfterRefusal);
        QCOMPARE(asked, (std::vector<int>{1, 3}));
        QVERIFY(answer.clear);
        QCOMPARE(answer.level, 3);

        whenShown([](QDialog& form) { form.close(); }); // the close box is "&OK"
        QVERIFY(!platform_.showHallOfFame(lists, 0, 0, 0, confirmSecondTime).clear);
        QCOMPARE(asked.size(), std::size_t(2));
    }

    void aboutBoxHasOneLabelPerLine()
    {
        QStringList labels;
        whenShown([&](QDialog& form) {
            labels << child<QLabel>(form, "lbl1").text() << child<QLabel>(form, "lbl20").text()
                   << child<QLabel>(form, "lbl21").text();
            child<QPushButton>(form, "cmd15").click();
        });
        platform_.showAboutBox({"Quintaro V6.0", "Ein Zahlenrätsel aus vier Gittern", "© 2026 Norvik"}, 206, 188);
        QCOMPARE(labels, (QStringList{"Quintaro V6.0", "Ein Zahlenrätsel aus vier Gittern", "© 2026 Norvik"}));
    }

    void pagePrintsToAPdfFile()
    {
        QTemporaryDir dir;
        const std::string file = dir.filePath("brett.pdf").toStdString();
        PrintStart status = PrintStart::Failed;
        auto printer = startPdfPrinting("Brett drucken", file, status);
        QCOMPARE(status, PrintStart::Started);
        // A page at 600 dots per inch, where 20 points are 167 pixels high: "QUINTARO" is far wider
        // than the 250 pixels it would be at the screen's 96.
        QVERIFY(printer->pageWidth() > 4000);
        Surface& page = printer->page();
        page.setFont(FontRequest::points("ARIAL", 20));
        QVERIFY(page.textWidth("QUINTARO") > 700);
        page.text(100, 100, "QUINTARO");
        page.setLineWidth(5);
        page.rectangle(100, 500, 2000, 2500);
        QVERIFY(!printer->failed());
        QVERIFY(printer->finish());
        std::ifstream pdf(file, std::ios::binary);
        std::string head(4, '\0');
        pdf.read(head.data(), 4);
        QCOMPARE(head, std::string("%PDF"));

        const std::string dropped = dir.filePath("verworfen.pdf").toStdString();
        startPdfPrinting("x", dropped, status)->abort();
        QVERIFY(!QFile::exists(QString::fromStdString(dropped)));
        QVERIFY(!startPdfPrinting("x", dir.filePath("fehlt/brett.pdf").toStdString(), status));
        QCOMPARE(status, PrintStart::Failed);
    }

    // Last: the main window closes at its end.
    void helpWindowIsReusedAndEndsWithTheMainWindow()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        std::ofstream("Übersicht.htm") << "<html><body><a href=\"Erklärung.htm\">Spielregeln</a></body></html>";
        std::ofstream("Erklärung.htm") << "<html><body>Regeln</body></html>";
        QVERIFY(platform_.htmlHelpAvailable());
        QVERIFY(!platform_.showHelpPage("Fehlt.htm"));
        QVERIFY(platform_.showHelpPage("Übersicht.htm"));
        QVERIFY(platform_.showHelpPage("Erklärung.htm"));
        QWidget* help = helpWindow();
        QVERIFY(help && help->isVisible());
        int helpWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            helpWindows += w->windowTitle() == help->windowTitle();
        QCOMPARE(helpWindows, 1);
        QDir::setCurrent(previous);

        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, qApp, [this] { platform_.mainWindow().close(); });
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit);
        platform_.run();
        QVERIFY(clock.elapsed() < 4000);
        QVERIFY(!help->isVisible());
    }
};

int main(int argc, char** argv)
{
    auto platform = createQtPlatform(argc, argv);
    GameFormsTest test(*platform);
    return QTest::qExec(&test, argc, argv);
}

#include "game_forms_qtest.moc"
