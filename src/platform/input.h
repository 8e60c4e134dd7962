#pragma once

namespace scrivel::platform {

// Modifier keys and mouse buttons held during an event, as a set of flags.
enum class ShiftState : unsigned {
    Empty = 0,
    Shift = 1,
    Alt = 2,
    Ctrl = 4,
    Left = 8,
    Right = 16,
    Middle = 32,
};

constexpr ShiftState operator|(ShiftState a, ShiftState b) {
    return static_cast<ShiftState>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr ShiftState operator&(ShiftState a, ShiftState b) {
    return static_cast<ShiftState>(static_cast<unsigned>(a) & static_cast<unsigned>(b));
}
constexpr bool Has(ShiftState state, ShiftState flag) {
    return (static_cast<unsigned>(state) & static_cast<unsigned>(flag)) != 0;
}

// The Windows MK_ flags of a mouse message (MK_LBUTTON 1, MK_RBUTTON 2, MK_SHIFT 4, MK_CONTROL 8,
// MK_MBUTTON 16), which the skinned controls look at.
constexpr int MouseKeys(ShiftState state) {
    return (Has(state, ShiftState::Left) ? 1 : 0) | (Has(state, ShiftState::Right) ? 2 : 0) |
           (Has(state, ShiftState::Shift) ? 4 : 0) | (Has(state, ShiftState::Ctrl) ? 8 : 0) |
           (Has(state, ShiftState::Middle) ? 16 : 0);
}

enum class MouseButton {
    Left,
    Right,
    Middle,
};

// A press, release or move; x and y are relative to the window receiving it, and may lie outside
// it while a button holds the pointer.
struct MouseEvent {
    MouseButton button = MouseButton::Left; // presses and releases only
    ShiftState shift = ShiftState::Empty;   // as it was just before the event
    int x = 0;
    int y = 0;
    int screenX = 0;
    int screenY = 0;
};

} // namespace scrivel::platform
