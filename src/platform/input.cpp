#include "platform/input.h"

namespace platform {

bool IsMouseInput(InputKind kind) {
    return kind != InputKind::KeyDown && kind != InputKind::KeyUp && kind != InputKind::Char;
}

void HeldButtons::Apply(InputEvent& event) {
    auto flagOfKey = [](int key) {
        if (key == VirtualKey::Shift) return MouseFlag::Shift;
        if (key == VirtualKey::Control) return MouseFlag::Control;
        return 0u;
    };
    switch (event.kind) {
    case InputKind::LeftDown:
        flags_ |= MouseFlag::Left;
        break;
    case InputKind::LeftUp:
        flags_ &= ~MouseFlag::Left;
        break;
    case InputKind::RightDown:
        flags_ |= MouseFlag::Right;
        break;
    case InputKind::RightUp:
        flags_ &= ~MouseFlag::Right;
        break;
    case InputKind::KeyDown:
        flags_ |= flagOfKey(event.key);
        break;
    case InputKind::KeyUp:
        flags_ &= ~flagOfKey(event.key);
        break;
    case InputKind::MouseMove:
    case InputKind::Char:
        break;
    }
    if (IsMouseInput(event.kind)) event.held = flags_;
}

} // namespace platform
