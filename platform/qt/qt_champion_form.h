// Qt side of the name form "champ": a label, the text box ed1, a confirm and a cancel button.
#pragma once

#include "platform/game_forms.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace quintaro::platform {

class QtChampionForm final : public QDialog {
public:
    // The form with its top-left corner at (x, y) on the screen and ed1 holding `offered`, all selected.
    QtChampionForm(QWidget* owner, const std::string& offered, int x, int y);

    // Shows the form modally until the player confirms (Enter, cmd5) or cancels (Escape, cmd6, close box).
    ChampionNameAnswer showModal();

private:
    QLineEdit* ed1_;
};

} // namespace quintaro::platform
