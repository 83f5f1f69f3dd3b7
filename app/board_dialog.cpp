// The load and save dialogs: the record form's handlers pick the slot, perform the load or save, and close the form.
#include "app/board_dialog.h"

#include "app/board_records.h"
#include "storage/board_slots.h"

namespace quintaro {

namespace {

// The events of the record form while it is open in one mode.
class RecordDialog final : public platform::RecordFormEvents {
public:
    RecordDialog(platform::Platform& platform, platform::MainWindow& window, platform::RecordForm& form,
                 RecordChoice& choice, const std::string& path, const RecordLoader* load, const RecordSaver* save)
        : platform_(platform), window_(window), form_(form), choice_(choice), path_(path), load_(load), save_(save) {}

    bool loaded = false; // a record was read into the board

    void optionClicked(int) override { performChoice(); }

    // The digits 1..4 pick their slot, Enter the option typed on; every character performs.
    void optionKeyTyped(int k, int character) override {
        std::int16_t& selected = choice_.selectedRecord;
        if (character >= '1' && character <= '4')
            selected = std::int16_t(character - '1');
        else if (character == platform::CharacterCode::Enter)
            selected = std::int16_t(k);
        form_.setOption(selected);
        form_.focusOption(selected);
        performChoice();
    }

    void performClicked() override { performChoice(); }

    void cancelClicked() override {
        form_.unload();
        window_.setEnabled(true);
    }

    void closeBoxClicked() override { window_.setEnabled(true); }

private:
    void performChoice() {
        for (int k = 0; k < 4; ++k) {
            if (form_.option(k)) {
                choice_.selectedRecord = std::int16_t(k);
                break;
            }
        }
        const int record = choice_.selectedRecord;
        if (load_ && !confirmEmptyLoad(record)) return;
        ReadStatus status = ReadStatus::Loaded;
        if (load_) status = (*load_)(record);
        window_.setEnabled(true);
        form_.unload();
        // A save that fails tells the player so itself; like a failed load, once the form is closed.
        if (load_)
            reportLoad(status);
        else
            (*save_)(record);
    }

    // An empty slot would replace the board with nothing: the player is asked first. "&NEIN" keeps
    // the form open for another choice.
    bool confirmEmptyLoad(int record) {
        // A missing or unreadable file asks nothing: the load tells the player what is wrong.
        Board stored;
        RecordClock clock;
        if (readBoardRecord(path_, record, stored, clock) != ReadStatus::Loaded || !isEmptyPosition(stored))
            return true;
        const std::string question = "Brett " + std::to_string(record + 1) + " ist leer. Trotzdem laden?";
        return platform_.alertBox(platform::AlertIcon::Question, question, "&JA|&NEIN", 2) == 1;
    }

    // A slot that could not be read leaves the board as it was; the player learns why, once the
    // form is closed.
    void reportLoad(ReadStatus status) {
        loaded = status == ReadStatus::Loaded;
        if (!loaded) platform_.messageBox(readFailureMessage(status, path_));
    }

    platform::Platform& platform_;
    platform::MainWindow& window_;
    platform::RecordForm& form_;
    RecordChoice& choice_;
    const std::string& path_;
    const RecordLoader* load_; // set when loading
    const RecordSaver* save_;  // set when saving
};

bool showRecordDialog(platform::Platform& platform, platform::MainWindow& window, RecordChoice& choice,
                      const std::string& path, const char* caption, const RecordLoader* load, const RecordSaver* save) {
    window.setEnabled(false);
    const platform::WindowGeometry at = window.geometry();
    std::unique_ptr<platform::RecordForm> form = platform.loadRecordForm(caption, at.x + 686, at.y + 266);
    // Showing the last choice is no click: it performs nothing.
    form->setOption(choice.selectedRecord);
    form->focusOption(choice.selectedRecord);
    const std::array<bool, kRecordCount> empty = emptySlots(path);
    for (int k = 0; k < kRecordCount; ++k)
        if (empty[std::size_t(k)]) form->markEmpty(k);
    RecordDialog events(platform, window, *form, choice, path, load, save);
    form->showModal(events);
    // Whatever ended the form, the main window takes input and the keyboard again.
    window.setEnabled(true);
    platform.restoreFocus();
    return events.loaded;
}

} // namespace

void showSaveDialog(platform::Platform& platform, platform::MainWindow& window, RecordChoice& choice,
                    const std::string& path, const RecordSaver& save) {
    showRecordDialog(platform, window, choice, path, "Sichern unter ...", nullptr, &save);
}

bool showLoadDialog(platform::Platform& platform, platform::MainWindow& window, RecordChoice& choice,
                    const std::string& path, const RecordLoader& load) {
    return showRecordDialog(platform, window, choice, path, "Welches Brett laden?", &load, nullptr);
}

} // namespace quintaro
