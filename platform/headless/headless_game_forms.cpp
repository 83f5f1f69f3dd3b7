// The scripted hall-of-fame form: "&Löschen" asks confirmClear just as the real form does.
#include "platform/headless/headless_game_forms.h"

namespace quintaro::platform {

HallOfFameAnswer playHallOfFame(std::deque<HallOfFameAction>& actions, const ConfirmClear& confirmClear,
                                HallOfFameRecord& record) {
    while (!actions.empty()) {
        const HallOfFameAction action = actions.front();
        actions.pop_front();
        if (action.kind == HallOfFameAction::Kind::Ok) break;
        record.clearsAsked.push_back(action.tab);
        if (confirmClear && confirmClear(action.tab)) return {true, action.tab};
    }
    return {};
}

} // namespace quintaro::platform
