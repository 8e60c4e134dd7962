#include "platform/key_map.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

// The ends of each range and keys of the keypad; the arrows, Escape, Return and the keypad with
// NumLock reach the game in the window and key press tests.
TEST(KeyMap, KeysymsGiveTheWindowsVirtualKeyCodesTheRulesCompare) {
    const struct {
        unsigned long keysym;
        int code;
    } keys[] = {{XK_KP_Left, 37},   {XK_KP_Down, 40},  {XK_KP_0, 96},      {XK_KP_9, 105},
                {XK_F1, 112},       {XK_F24, 135},     {XK_Shift_L, 16},   {XK_Control_L, 17},
                {XK_KP_Enter, 13},  {XK_a, 65},        {XK_z, 90},         {XK_A, 65},
                {XK_Z, 90},         {XK_0, 48},        {XK_9, 57},         {XK_eacute, 0},
                {XK_VoidSymbol, 0}, {XK_KP_Begin, 12}, {XK_Num_Lock, 144}, {XK_KP_Decimal, 110}};
    for (const auto& [keysym, code] : keys) {
        EXPECT_EQ(VirtualKeyFromKeysym(keysym), code) << std::hex << "keysym 0x" << keysym;
    }
}

} // namespace
} // namespace scrivel::platform
