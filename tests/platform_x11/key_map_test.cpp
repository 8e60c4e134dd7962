#include "platform/key_map.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

TEST(VirtualKeyFromKeysym, GivesTheWindowsCodesTheGameComparesWith) {
    // Letters whatever the case the layout gives, so AZERTY and QWERTY agree.
    EXPECT_EQ(VirtualKeyFromKeysym(XK_a), 65);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Z), 90);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_F1), 112);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_F3), 114);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Shift_R), 16);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Control_L), 17);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Enter), 13);
    // The keypad: XLookupString gives KP_4 with NumLock on and KP_Left with it off.
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_4), 100);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_6), 102);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_7), 103);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Left), 37);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Right), 39);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Home), 36);
    // Keys without a code give none rather than a wrong one.
    EXPECT_EQ(VirtualKeyFromKeysym(XK_eacute), 0);
    EXPECT_EQ(VirtualKeyFromKeysym(0), 0); // NoSymbol
}

} // namespace
} // namespace scrivel::platform
