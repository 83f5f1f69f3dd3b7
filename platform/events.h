// The game's own input events, into which the platform turns the toolkit's, and the one handler that takes them.
#pragma once

namespace quintaro::platform {

enum class EventKind {
    MenuCommand, // code: the command id of the chosen menu item
    KeyPressed,  // code: the virtual-key code (see VirtualKey); modifiers: the Modifier bits held; auto-repeats are not
                 // reported
    KeyRepeated, // code: the virtual-key code of a key held down, again at the keyboard's repeat rate
    KeyReleased, // code: the virtual-key code (see VirtualKey)
    Character,   // code: the character typed (see CharacterCode for the keys that type a control character)
    ButtonPressed,  // code: 1 left, 2 right; x, y: pointer position in client pixels
    PointerMoved,   // x, y: pointer position in client pixels
    CloseRequested, // the player asked to close the main window
    Minimised,      // the main window went to the task bar; x: the timer reading at that moment
    Restored,       // the main window is shown again after Minimised; x: the timer reading at that moment
};

enum class MouseButton { Left = 1, Right = 2 };

// Virtual-key codes of the key events; letters are 'A'..'Z' and digits '0'..'9' whatever the Shift state.
namespace VirtualKey {
constexpr int Backspace = 0x08, Tab = 0x09, Enter = 0x0D, Shift = 0x10, Control = 0x11, Alt = 0x12;
constexpr int Escape = 0x1B, Space = 0x20, PageUp = 0x21, PageDown = 0x22, End = 0x23, Home = 0x24;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E;
constexpr int F1 = 0x70; // F1..F12 are 0x70..0x7B
} // namespace VirtualKey

// The control characters of the keys that type one, as Character events carry them.
namespace CharacterCode {
constexpr int Backspace = 0x08, Tab = 0x09, Enter = 0x0D, Escape = 0x1B;
} // namespace CharacterCode

// The modifier keys held while a key went down, as bits.
namespace Modifier {
constexpr int Shift = 1, Control = 2;
} // namespace Modifier

struct Event {
    EventKind kind = EventKind::MenuCommand;
    int code = 0;
    double x = 0, y = 0;
    int modifiers = 0;

    static Event menu(int id) { return {EventKind::MenuCommand, id, 0, 0}; }
    static Event keyPressed(int virtualKey, int modifiers = 0) {
        return {EventKind::KeyPressed, virtualKey, 0, 0, modifiers};
    }
    static Event keyReleased(int virtualKey) { return {EventKind::KeyReleased, virtualKey, 0, 0}; }
    static Event keyRepeated(int virtualKey) { return {EventKind::KeyRepeated, virtualKey, 0, 0}; }
    static Event character(int code) { return {EventKind::Character, code, 0, 0}; }
    static Event pressed(MouseButton b, double x, double y) { return {EventKind::ButtonPressed, int(b), x, y}; }
    static Event moved(double x, double y) { return {EventKind::PointerMoved, 0, x, y}; }
    static Event closeRequested() { return {EventKind::CloseRequested, 0, 0, 0}; }
    // The timer reading travels along: the event may wait behind a dialog before the game sees it.
    static Event minimised(double atTime) { return {EventKind::Minimised, 0, atTime, 0}; }
    static Event restored(double atTime) { return {EventKind::Restored, 0, atTime, 0}; }

    friend bool operator==(const Event&, const Event&) = default;

    // The player's own input: a key, a typed character, a button press or a menu command.
    bool isInput() const {
        return kind == EventKind::KeyPressed || kind == EventKind::KeyRepeated || kind == EventKind::KeyReleased ||
               kind == EventKind::Character || kind == EventKind::ButtonPressed || kind == EventKind::MenuCommand;
    }
};

// Implemented by the application. Events arrive one at a time on the window thread; each is handled to
// completion before the next one is delivered (a dialog opened inside a handler does not let the next one in).
class EventHandler {
public:
    virtual ~EventHandler() = default;
    virtual void handleEvent(const Event& event) = 0;
};

} // namespace quintaro::platform
