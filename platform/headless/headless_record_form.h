// The record form without a display: the test scripts what the player does while it is open.
#pragma once

#include "platform/record_form.h"

#include <array>
#include <deque>
#include <string>

namespace quintaro::platform {

// One thing the player does in the record form.
struct RecordFormAction {
    enum class Kind { Click, KeyPress, Perform, Cancel, Close } kind = Kind::Close;
    int option = 0;    // Click, KeyPress: the option 0..3
    int character = 0; // KeyPress: the character typed

    static RecordFormAction click(int k) { return {Kind::Click, k, 0}; }
    static RecordFormAction keyPress(int k, int character) { return {Kind::KeyPress, k, character}; }
    static RecordFormAction perform() { return {Kind::Perform, 0, 0}; }
    static RecordFormAction cancel() { return {Kind::Cancel, 0, 0}; }
    static RecordFormAction close() { return {Kind::Close, 0, 0}; }
};

// What a test can see of the last record form that was shown.
struct RecordFormRecord {
    std::string caption;
    int x = 0, y = 0;
    int optionOnAtShow = -1; // the option that was on when the form showed, -1 for none
    int focusAtShow = -1;
    std::array<bool, 4> markedEmpty{}; // the options shown with "leer"
    bool open = false;                 // the form is on the screen now
};

class HeadlessRecordForm final : public RecordForm {
public:
    // actions is consumed from the front; when it runs dry the form is closed with its close box.
    HeadlessRecordForm(std::string caption, int x, int y, std::deque<RecordFormAction>& actions,
                       RecordFormRecord& record);

    void showModal(RecordFormEvents& events) override;
    bool option(int k) const override { return k == on_; }
    void setOption(int k) override;
    void focusOption(int k) override { focus_ = k; }
    void markEmpty(int k) override;
    void unload() override { unloaded_ = true, record_.open = false; }
    std::string caption() const override { return caption_; }

private:
    std::string caption_;
    std::deque<RecordFormAction>& actions_;
    RecordFormRecord& record_;
    int on_ = -1, focus_ = -1;
    bool unloaded_ = false;
};

} // namespace quintaro::platform
