// The form that picks one of the four records of a board file: option buttons opt1..opt4, cmd1 and cmd2.
#pragma once

#include <string>

namespace quintaro::platform {

// The form's events, implemented by the application. Options are numbered k = 0..3 for opt1..opt4.
class RecordFormEvents {
public:
    virtual ~RecordFormEvents() = default;
    virtual void optClick(int k) = 0;                  // the player clicked option k
    virtual void optKeyPress(int k, int character) = 0; // a character typed while option k has the focus
    virtual void cmd1Click() = 0;                      // perform the choice
    virtual void cmd2Click() = 0;                      // cancel
    virtual void frm1Close() = 0;                      // the form's close box
};

class RecordForm {
public:
    virtual ~RecordForm() = default;

    // Shows the form, owned by the main window, and hands its events to events until unload() is
    // called or the player closes it. The platform loads the form hidden, with its caption and its
    // top-left corner on the screen, so that options and focus can be set before it shows.
    virtual void showModal(RecordFormEvents& events) = 0;
    // Whether option k is on.
    virtual bool option(int k) const = 0;
    // Turns option k on and the others off; this is no click and reports nothing.
    virtual void setOption(int k) = 0;
    virtual void focusOption(int k) = 0;
    // Shows "leer" beside option k: its slot holds nothing. Set before the form shows.
    virtual void markEmpty(int k) = 0;
    // Closes the form; showModal returns after the current event.
    virtual void unload() = 0;
    virtual std::string caption() const = 0;
};

} // namespace quintaro::platform
