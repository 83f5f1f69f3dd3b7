// The load and save dialogs: the record form's handlers pick the slot, perform the load or save, and close the form.
#include "app/board_dialog.h"

#include "app/board_records.h"
#include "app/game.h"
#include "engine/solution.h"
#include "storage/board_slots.h"

namespace quintaro {

namespace {

constexpr const char* kPlayerBoardFile = "brett.qbr";

// The events of the record form while it is open in one mode.
class RecordDialog final : public platform::RecordFormEvents {
public:
    RecordDialog(Game& game, platform::RecordForm& form, bool loading) : game_(game), form_(form), loading_(loading) {}

    bool loaded = false; // a record was read into the board

    void optionClicked(int) override { performChoice(); }

    // The digits 1..4 pick their slot, Enter the option typed on; every character performs.
    void optionKeyTyped(int k, int character) override {
        std::int16_t& selected = game_.state.selectedRecord;
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
        game_.state.dialogDone = true;
        form_.unload();
        game_.mainWindow->setEnabled(true);
    }

    void closeBoxClicked() override {
        game_.state.dialogDone = true;
        game_.mainWindow->setEnabled(true);
    }

private:
    void performChoice() {
        for (int k = 0; k < 4; ++k) {
            if (form_.option(k)) {
                game_.state.selectedRecord = std::int16_t(k);
                break;
            }
        }
        const int record = game_.state.selectedRecord;
        if (loading_ && !confirmEmptyLoad(record)) return;
        ReadStatus status = ReadStatus::Loaded;
        if (loading_) status = loadBoardRecord(game_, record);
        game_.state.dialogDone = true;
        game_.mainWindow->setEnabled(true);
        form_.unload();
        // A save that fails tells the player so itself; like a failed load, once the form is closed.
        if (loading_)
            reportLoad(status);
        else
            saveBoardRecord(game_, record);
    }

    // An empty slot would replace the board with nothing: the player is asked first. "&NEIN" keeps
    // the form open for another choice.
    bool confirmEmptyLoad(int record) {
        // A missing or unreadable file asks nothing: the load tells the player what is wrong.
        Board stored;
        RecordClock clock;
        if (readBoardRecord(game_.filePath(game_.state.boardFile), record, stored, clock) != ReadStatus::Loaded ||
            !isEmptyPosition(stored))
            return true;
        const std::string question = "Brett " + std::to_string(record + 1) + " ist leer. Trotzdem laden?";
        return game_.platform.alertBox(platform::AlertIcon::Question, question, "&JA|&NEIN", 2) == 1;
    }

    // A slot that could not be read leaves the board as it was; the player learns why, once the
    // form is closed.
    void reportLoad(ReadStatus status) {
        loaded = status == ReadStatus::Loaded;
        if (!loaded) game_.platform.messageBox(readFailureMessage(status, game_.filePath(game_.state.boardFile)));
    }

    Game& game_;
    platform::RecordForm& form_;
    bool loading_;
};

bool showRecordDialog(Game& game, bool loading, const char* caption) {
    platform::MainWindow& window = *game.mainWindow;
    window.setEnabled(false);
    const platform::WindowGeometry at = window.geometry();
    std::unique_ptr<platform::RecordForm> form = game.platform.loadRecordForm(caption, at.x + 686, at.y + 266);
    // Showing the last choice is no click: it performs nothing.
    form->setOption(game.state.selectedRecord);
    form->focusOption(game.state.selectedRecord);
    const std::array<bool, kRecordCount> empty = emptySlots(game.filePath(game.state.boardFile));
    for (int k = 0; k < kRecordCount; ++k)
        if (empty[std::size_t(k)]) form->markEmpty(k);
    game.state.dialogDone = false;
    RecordDialog events(game, *form, loading);
    form->showModal(events);
    // Whatever ended the form, the main window takes input and the keyboard again.
    window.setEnabled(true);
    game.platform.restoreFocus();
    return events.loaded;
}

} // namespace

void showSaveDialog(Game& game) {
    game.state.boardFile = kPlayerBoardFile;
    showRecordDialog(game, false, "Sichern unter ...");
}

bool showLoadDialog(Game& game) {
    if (!showRecordDialog(game, true, "Welches Brett laden?")) return false;
    computeGameSolution(game.board);
    return true;
}

} // namespace quintaro
