// Qt side of the name form: a label, the name's text box, a confirm and a cancel button.
#pragma once

#include "platform/game_forms.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace quintaro::platform {

class QtChampionForm final : public QDialog {
public:
    // The form with its top-left corner at (x, y) on the screen and the text box holding `offered`, all selected.
    QtChampionForm(QWidget* owner, const std::string& offered, int x, int y);

    // Shows the form modally until the player confirms (Enter, "&OK") or cancels (Escape, "&Abbrechen", close box).
    ChampionNameAnswer showModal();

private:
    QLineEdit* nameEdit_;
};

} // namespace quintaro::platform
