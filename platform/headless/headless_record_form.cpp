// The record form without a display: scripted actions stand for the player's clicks and keys.
#include "platform/headless/headless_record_form.h"

namespace quintaro::platform {

HeadlessRecordForm::HeadlessRecordForm(std::string caption, int x, int y, std::deque<RecordFormAction>& actions,
                                       RecordFormRecord& record)
    : caption_(std::move(caption)), actions_(actions), record_(record) {
    record_ = RecordFormRecord{caption_, x, y, -1, -1, {}, false};
}

void HeadlessRecordForm::markEmpty(int k) {
    if (k >= 0 && k < 4) record_.markedEmpty[std::size_t(k)] = true;
}

void HeadlessRecordForm::setOption(int k) {
    if (k >= 0 && k < 4) on_ = k;
}

void HeadlessRecordForm::showModal(RecordFormEvents& events) {
    record_.optionOnAtShow = on_;
    record_.focusAtShow = focus_;
    unloaded_ = false;
    record_.open = true;
    while (!unloaded_) {
        if (actions_.empty()) {
            unloaded_ = true;
            record_.open = false;
            events.closeBoxClicked();
            break;
        }
        const RecordFormAction action = actions_.front();
        actions_.pop_front();
        switch (action.kind) {
        case RecordFormAction::Kind::Click:
            // A click turns the option on before the handler sees it, as with a real option button.
            setOption(action.option);
            focus_ = action.option;
            events.optionClicked(action.option);
            break;
        case RecordFormAction::Kind::KeyPress:
            focus_ = action.option, events.optionKeyTyped(action.option, action.character);
            break;
        case RecordFormAction::Kind::Perform:
            events.performClicked();
            break;
        case RecordFormAction::Kind::Cancel:
            events.cancelClicked();
            break;
        case RecordFormAction::Kind::Close:
            unloaded_ = true;
            record_.open = false;
            events.closeBoxClicked();
            break;
        }
    }
}

} // namespace quintaro::platform
