#include "platform/key_map.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

// The ends of each range, the keys the screens compare by name and the keypad; each row gives
// the Windows code by hand, so a name or a mapping that drifts from it fails. The arrows, Escape,
// Return and the keypad with NumLock reach the game in the window and key press tests.
TEST(KeyMap, KeysymsAndNamesGiveTheWindowsVirtualKeyCodes) {
    constexpr int kNoName = -1;
    const struct {
        unsigned long keysym;
        int name;
        int code;
    } keys[] = {
        // clang-format off
        {XK_BackSpace, key::kBackspace, 8},  {XK_Return, key::kEnter, 13},
        {XK_KP_Enter, key::kEnter, 13},      {XK_Escape, key::kEscape, 27},
        {XK_Shift_L, key::kShift, 16},       {XK_Control_L, key::kControl, 17},
        {XK_space, key::kSpace, 32},         {XK_KP_Left, key::kLeft, 37},
        {XK_Up, key::kUp, 38},               {XK_Right, key::kRight, 39},
        {XK_KP_Down, key::kDown, 40},        {XK_KP_0, key::kNumpad0, 96},
        {XK_KP_4, key::kNumpad4, 100},       {XK_KP_6, key::kNumpad6, 102},
        {XK_KP_7, key::kNumpad7, 103},       {XK_KP_9, kNoName, 105},
        {XK_F1, key::kF1, 112},              {XK_F2, key::kF2, 113},
        {XK_F3, key::kF3, 114},              {XK_F24, key::kF24, 135},
        {XK_a, key::kA, 65},                 {XK_z, kNoName, 90},
        {XK_A, key::kA, 65},                 {XK_Z, kNoName, 90},
        {XK_0, key::k0, 48},                 {XK_9, kNoName, 57},
        {XK_KP_Begin, key::kClear, 12},      {XK_Num_Lock, key::kNumLock, 144},
        {XK_KP_Decimal, key::kDecimal, 110}, {XK_eacute, kNoName, 0},
        {XK_VoidSymbol, kNoName, 0},
        // clang-format on
    };
    for (const auto& [keysym, name, code] : keys) {
        EXPECT_EQ(VirtualKeyFromKeysym(keysym), code) << std::hex << "keysym 0x" << keysym;
        if (name != kNoName) {
            EXPECT_EQ(name, code) << std::hex << "keysym 0x" << keysym;
        }
    }
}

} // namespace
} // namespace scrivel::platform
