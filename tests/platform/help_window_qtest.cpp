// The help window closes from the keyboard, whichever of its parts has the focus, and opens again.
#include "platform/qt/qt_help_window.h"

#include <QtTest>
#include <QtWidgets>

#include <fstream>

using quintaro::platform::QtHelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString previous_ = QDir::currentPath();

    // The window showing a page, active, with the focus in the page.
    static void showActive(QtHelpWindow& help) {
        QVERIFY(help.showPage("Übersicht.htm"));
        QVERIFY(QTest::qWaitForWindowActive(&help));
        auto* page = help.findChild<QTextBrowser*>();
        QVERIFY(page);
        page->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), page);
    }

private slots:
    void initTestCase() {
        QDir::setCurrent(dir_.path());
        std::ofstream("Übersicht.htm") << "<html><body><p>Menüpunkte</p></body></html>";
    }
    void cleanupTestCase() { QDir::setCurrent(previous_); }

    void closesWithEscapeAndCtrlWAndOpensAgain_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
    }
    void closesWithEscapeAndCtrlWAndOpensAgain() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QtHelpWindow help;
        for (int round = 0; round < 2; ++round) {
            showActive(help);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY2(!help.isVisible(), round == 0 ? "first close" : "close after reopening");
        }
    }

    void otherKeysKeepItOpen() {
        QtHelpWindow help;
        showActive(help);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(help.isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_qtest.moc"
