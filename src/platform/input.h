#pragma once

namespace scrivel::platform {

// Windows virtual-key codes, the numbers the game's rules compare key-down events with.
namespace key {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;
inline constexpr int kEnter = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kAlt = 18;
inline constexpr int kPause = 19;
inline constexpr int kCapsLock = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int k0 = 48;       // '0' to '9' follow
inline constexpr int kA = 65;       // 'A' to 'Z' follow
inline constexpr int kNumpad0 = 96; // keypad digits with NumLock on, 96 to 105
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112; // F1 to F24 follow
inline constexpr int kNumLock = 144;
} // namespace key

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
