// Key mapping: Qt already numbers letters and digits as their upper-case ASCII codes.
#include "platform/qt/qt_key_codes.h"

#include "platform/events.h"

namespace quintaro::platform {

int virtualKeyFor(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VirtualKey::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VirtualKey::Enter;
    case Qt::Key_Space:
        return VirtualKey::Space;
    case Qt::Key_Backspace:
        return VirtualKey::Backspace;
    case Qt::Key_Tab:
        return VirtualKey::Tab;
    case Qt::Key_Shift:
        return VirtualKey::Shift;
    case Qt::Key_Control:
        return VirtualKey::Control;
    case Qt::Key_Alt:
        return VirtualKey::Alt;
    case Qt::Key_PageUp:
        return VirtualKey::PageUp;
    case Qt::Key_PageDown:
        return VirtualKey::PageDown;
    case Qt::Key_End:
        return VirtualKey::End;
    case Qt::Key_Home:
        return VirtualKey::Home;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Down:
        return VirtualKey::Down;
    case Qt::Key_Insert:
        return VirtualKey::Insert;
    case Qt::Key_Delete:
        return VirtualKey::Delete;
    default:
        return 0;
    }
}

int characterFor(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Escape:
        return CharacterCode::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CharacterCode::Enter;
    case Qt::Key_Backspace:
        return CharacterCode::Backspace;
    case Qt::Key_Tab:
        return CharacterCode::Tab;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1) return -1;
    const char16_t c = text.at(0).unicode();
    // The game reads 8-bit character codes; anything beyond Latin-1 types nothing it could use.
    return c < 256 ? int(c) : -1;
}

int modifiersOf(const QKeyEvent& event) {
    return (event.modifiers() & Qt::ShiftModifier ? Modifier::Shift : 0) |
           (event.modifiers() & Qt::ControlModifier ? Modifier::Control : 0);
}

} // namespace quintaro::platform
