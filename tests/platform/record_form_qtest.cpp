// The record form over Qt: typed characters and clicks reach the handlers, Escape and the close box cancel.
#include "platform/qt/qt_record_form.h"

#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <string>
#include <vector>

using namespace quintaro::platform;

namespace {

// Records the events; unloads on every event that ends the dialog, as the game's handlers do.
class Recorder final : public RecordFormEvents {
public:
    explicit Recorder(RecordForm& form) : form_(form) {}
    void optClick(int k) override { log.push_back("click " + std::to_string(k)), form_.unload(); }
    void optKeyPress(int k, int c) override { log.push_back("key " + std::to_string(k) + " " + std::to_string(c)), form_.unload(); }
    void cmd1Click() override { log.push_back("cmd1"), form_.unload(); }
    void cmd2Click() override { log.push_back("cmd2"), form_.unload(); }
    void frm1Close() override { log.push_back("close"); }
    std::vector<std::string> log;

private:
    RecordForm& form_;
};

} // namespace

class RecordFormTest : public QObject {
    Q_OBJECT

private:
    // Shows the form with option `on` set and focused, runs `act` once it is up, returns the handler log.
    template <typename Act>
    std::vector<std::string> run(int on, Act act)
    {
        QMainWindow owner;
        owner.show();
        QtRecordForm form(&owner, "Welches Brett laden?", 40, 50);
        form.setOption(on);
        form.focusOption(on);
        Recorder recorder(form);
        QTimer::singleShot(0, &form, [&] { act(form); });
        // A handler that never ends the form would hang the test: close it after a while instead.
        QTimer::singleShot(5000, &form, [&] { form.unload(); });
        form.showModal(recorder);
        return recorder.log;
    }

private slots:
    void captionAndPreselectionPerformNothing()
    {
        QMainWindow owner;
        QtRecordForm form(&owner, "Sichern unter ...", 0, 0);
        form.setOption(2);
        QCOMPARE(form.caption(), std::string("Sichern unter ..."));
        QVERIFY(form.option(2));
        QVERIFY(!form.option(0));
        form.setOption(0);
        QVERIFY(form.option(0) && !form.option(2));
    }

    void typedCharactersGoToTheFocusedOption()
    {
        auto log = run(0, [](QtRecordForm& f) { QTest::keyClick(f.optionButton(0), Qt::Key_3); });
        QCOMPARE(log, std::vector<std::string>{"key 0 51"});
        log = run(3, [](QtRecordForm& f) { QTest::keyClick(f.optionButton(3), Qt::Key_Return); });
        QCOMPARE(log, std::vector<std::string>{"key 3 13"});
        log = run(1, [](QtRecordForm& f) { QTest::keyClick(f.optionButton(1), Qt::Key_X); });
        QCOMPARE(log, std::vector<std::string>{"key 1 120"});
    }

    void clickOnAnOptionPerformsAtOnce()
    {
        bool onBeforeHandler = false;
        auto log = run(0, [&](QtRecordForm& f) {
            f.optionButton(2)->click();
            onBeforeHandler = f.option(2);
        });
        QCOMPARE(log, std::vector<std::string>{"click 2"});
        QVERIFY(onBeforeHandler);
    }

    void buttonsEscapeAndCloseBox()
    {
        auto log = run(0, [](QtRecordForm& f) { f.performButton()->click(); });
        QCOMPARE(log, std::vector<std::string>{"cmd1"});
        log = run(0, [](QtRecordForm& f) { f.cancelButton()->click(); });
        QCOMPARE(log, std::vector<std::string>{"cmd2"});
        // Escape never stores into a slot: it cancels.
        log = run(0, [](QtRecordForm& f) { QTest::keyClick(f.optionButton(0), Qt::Key_Escape); });
        QCOMPARE(log, std::vector<std::string>{"cmd2"});
        log = run(0, [](QtRecordForm& f) { f.close(); });
        QCOMPARE(log, std::vector<std::string>{"close"});
    }

    void aDisabledOwnerLeavesTheFormUsable()
    {
        QMainWindow owner;
        owner.show();
        QtRecordForm form(&owner, "x", 0, 0);
        owner.setEnabled(false);
        Recorder recorder(form);
        bool enabled = false;
        QTimer::singleShot(0, &form, [&] {
            enabled = form.isEnabled() && form.optionButton(1)->isEnabled();
            form.unload();
        });
        form.showModal(recorder);
        QVERIFY(enabled);
    }
};

QTEST_MAIN(RecordFormTest)
#include "record_form_qtest.moc"
