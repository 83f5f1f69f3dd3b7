// The record form over Qt: typed characters and clicks reach the handlers, Escape and the close box cancel.
#include "platform/qt/qt_record_form.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

using namespace quintaro::platform;

namespace {

// Records the events; unloads on every event that ends the dialog, as the game's handlers do.
class Recorder final : public RecordFormEvents {
public:
    explicit Recorder(RecordForm& form) : form_(form) {}
    void optionClicked(int k) override { done("click " + std::to_string(k) + (form_.option(k) ? " on" : " off")); }
    void optionKeyTyped(int k, int c) override { done("key " + std::to_string(k) + " " + std::to_string(c)); }
    void performClicked() override { done("perform"); }
    void cancelClicked() override { done("cancel"); }
    void closeBoxClicked() override { log.push_back("close"); }
    std::vector<std::string> log;

private:
    void done(const std::string& what) { log.push_back(what), form_.unload(); }
    RecordForm& form_;
};

using Act = std::function<void(QtRecordForm&)>;

// Shows the form with option `on` set and focused, runs `act` once it is up, returns the handler log.
std::vector<std::string> run(int on, const Act& act, bool ownerEnabled = true) {
    QMainWindow owner;
    owner.show();
    QtRecordForm form(&owner, "Welches Brett laden?", 40, 50);
    owner.setEnabled(ownerEnabled); // as the game disables its window while the form is up
    form.setOption(on);
    form.focusOption(on);
    Recorder recorder(form);
    QTimer::singleShot(0, &form, [&] { act(form); });
    // A handler that never ends the form would hang the test: close it after a while instead.
    QTimer::singleShot(5000, &form, [&] { form.unload(); });
    form.showModal(recorder);
    return recorder.log;
}

} // namespace

class RecordFormTest : public QObject {
    Q_OBJECT

private slots:
    void captionAndPreselectionPerformNothing() {
        QMainWindow owner;
        QtRecordForm form(&owner, "Sichern unter ...", 0, 0);
        form.setOption(2);
        QCOMPARE(form.caption(), std::string("Sichern unter ..."));
        QVERIFY(form.option(2) && !form.option(0));
        form.setOption(0);
        QVERIFY(form.option(0) && !form.option(2));
        form.markEmpty(1);
        QVERIFY(form.emptyMark(1)->isVisibleTo(&form) && !form.emptyMark(2)->isVisibleTo(&form));
        QCOMPARE(form.emptyMark(1)->text(), QStringLiteral("leer"));
    }

    void eachInputReachesItsHandler() {
        const auto key = [](int k, Qt::Key pressed) {
            return [=](QtRecordForm& f) { QTest::keyClick(f.optionButton(k), pressed); };
        };
        const std::tuple<int, Act, std::string> cases[] = {
            {0, key(0, Qt::Key_3), "key 0 51"}, // typed characters go to the focused option
            {3, key(3, Qt::Key_Return), "key 3 13"},
            {1, key(1, Qt::Key_X), "key 1 120"},
            {0, [](QtRecordForm& f) { f.optionButton(2)->click(); }, "click 2 on"},
            {0, [](QtRecordForm& f) { f.performButton()->click(); }, "perform"},
            {0, [](QtRecordForm& f) { f.cancelButton()->click(); }, "cancel"},
            {0, key(0, Qt::Key_Escape), "cancel"}, // Escape never stores into a slot: it cancels
            {0, [](QtRecordForm& f) { f.close(); }, "close"},
        };
        for (const auto& [on, act, expected] : cases) QCOMPARE(run(on, act), std::vector<std::string>{expected});
    }

    void aDisabledOwnerLeavesTheFormUsable() {
        const auto log = run(
            0,
            [](QtRecordForm& f) {
                if (f.isEnabled() && f.optionButton(1)->isEnabled()) f.performButton()->click();
            },
            false);
        QCOMPARE(log, std::vector<std::string>{"perform"});
    }
};

QTEST_MAIN(RecordFormTest)
#include "record_form_qtest.moc"
