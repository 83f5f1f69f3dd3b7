// Qt side of the about box "Inf": one label per line of text and the button cmd15.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace quintaro::platform {

class QtAboutBox final : public QDialog {
public:
    // The box with its top-left corner at (x, y) on the screen. The labels are named lbl1, lbl20,
    // lbl21, … in the order of the lines; the first line, the program's name, stands out in bold.
    QtAboutBox(QWidget* owner, const std::vector<std::string>& lines, int x, int y);

    // Shows the box modally until cmd15, Enter, Escape or the close box.
    void showModal();
};

} // namespace quintaro::platform
