// Qt side of the help viewer: the game's one help window, showing the HTML pages of its folder.
#pragma once

#include <QWidget>

#include <string>

class QTextBrowser;

namespace quintaro::platform {

// A top-level window beside the game, not modal; closing it (also with Escape or Ctrl+W) only hides it,
// and it never keeps the program running once the main window has closed.
class QtHelpWindow final : public QWidget {
public:
    QtHelpWindow();

    // Shows the HTML file `page` of the working directory, links and images resolved there, and brings
    // the window to the front; false, leaving the window as it was, when the file cannot be read.
    bool showPage(const std::string& page);

private:
    QTextBrowser* browser_;
};

} // namespace quintaro::platform
