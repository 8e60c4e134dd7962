#pragma once

namespace scrivel::platform {

// Windows virtual-key codes, the numbers the game's rules compare key-down events with. Backspace,
// Enter and Escape are also the characters those keys type, so typed keys compare with them too.
namespace key {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12; // keypad 5 with NumLock off
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
inline constexpr int kNumpad4 = 100;
inline constexpr int kNumpad6 = 102;
inline constexpr int kNumpad7 = 103;
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112; // F1 to F24 follow
inline constexpr int kF2 = 113;
inline constexpr int kF3 = 114;
inline constexpr int kF24 = 135;
inline constexpr int kNumLock = 144;
} // namespace key

// The Windows virtual-key code of an X keysym as XLookupString gives it (so the keypad's digits
// with NumLock on, its arrows with it off), or 0 for keys the game has no code for.
int VirtualKeyFromKeysym(unsigned long keysym);

} // namespace scrivel::platform
