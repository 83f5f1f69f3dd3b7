// Qt side of the hall-of-fame form: one tab per level with a report list, "&OK" and "&Löschen".
#pragma once

#include "platform/game_forms.h"

#include <QDialog>

class QTabWidget;

namespace quintaro::platform {

class QtHallOfFameForm final : public QDialog {
public:
    // The form with its top-left corner at (x, y) on the screen, the lists filled field by field and
    // the tab of `level` selected; confirmClear is asked when the player presses "&Löschen".
    QtHallOfFameForm(QWidget* owner, const HallOfFameLists& lists, int level, int x, int y, ConfirmClear confirmClear);

    // Shows the form modally until "&OK", Escape or the close box, or a confirmed "&Löschen".
    HallOfFameAnswer showModal();

private:
    void clearPressed();

    QTabWidget* levelTabs_;
    ConfirmClear confirmClear_;
    HallOfFameAnswer answer_;
};

} // namespace quintaro::platform
