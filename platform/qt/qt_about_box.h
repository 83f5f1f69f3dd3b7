// Qt side of the about box: one label per line of text and an OK button.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace quintaro::platform {

class QtAboutBox final : public QDialog {
public:
    // The box with its top-left corner at (x, y) on the screen. The labels are named line0, line1,
    // … in the order of the lines; the first line, the program's name, stands out in bold.
    QtAboutBox(QWidget* owner, const std::vector<std::string>& lines, int x, int y);

    // Shows the box modally until its OK button, Enter, Escape or the close box.
    void showModal();
};

} // namespace quintaro::platform
