// The help pages of the menu and of a running game, and which help system shows them.
#pragma once

namespace quintaro {

// Found once at start-up.
struct HelpPages {
    bool html = false; // the HTML help can show the pages; otherwise the older help goes by keyword
};

} // namespace quintaro
