#include "platform/key_map.h"

#include <X11/keysym.h>

namespace scrivel::platform {

int VirtualKeyFromKeysym(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) {
        return key::kA + static_cast<int>(keysym - XK_a);
    }
    if (keysym >= XK_A && keysym <= XK_Z) {
        return key::kA + static_cast<int>(keysym - XK_A);
    }
    if (keysym >= XK_0 && keysym <= XK_9) {
        return key::k0 + static_cast<int>(keysym - XK_0);
    }
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return key::kNumpad0 + static_cast<int>(keysym - XK_KP_0);
    }
    if (keysym >= XK_F1 && keysym <= XK_F24) {
        return key::kF1 + static_cast<int>(keysym - XK_F1);
    }
    switch (keysym) {
    case XK_BackSpace:
        return key::kBackspace;
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return key::kTab;
    case XK_Return:
    case XK_KP_Enter:
        return key::kEnter;
    case XK_Shift_L:
    case XK_Shift_R:
        return key::kShift;
    case XK_Control_L:
    case XK_Control_R:
        return key::kControl;
    case XK_Alt_L:
    case XK_Alt_R:
        return key::kAlt;
    case XK_Pause:
        return key::kPause;
    case XK_Caps_Lock:
        return key::kCapsLock;
    case XK_Escape:
        return key::kEscape;
    case XK_space:
    case XK_KP_Space:
        return key::kSpace;
    case XK_Prior:
    case XK_KP_Prior:
        return key::kPageUp;
    case XK_Next:
    case XK_KP_Next:
        return key::kPageDown;
    case XK_End:
    case XK_KP_End:
        return key::kEnd;
    case XK_Home:
    case XK_KP_Home:
        return key::kHome;
    case XK_Left:
    case XK_KP_Left:
        return key::kLeft;
    case XK_Up:
    case XK_KP_Up:
        return key::kUp;
    case XK_Right:
    case XK_KP_Right:
        return key::kRight;
    case XK_Down:
    case XK_KP_Down:
        return key::kDown;
    case XK_KP_Begin:
        return key::kClear;
    case XK_Insert:
    case XK_KP_Insert:
        return key::kInsert;
    case XK_Delete:
    case XK_KP_Delete:
        return key::kDelete;
    case XK_KP_Multiply:
        return key::kMultiply;
    case XK_KP_Add:
        return key::kAdd;
    case XK_KP_Subtract:
        return key::kSubtract;
    case XK_KP_Decimal:
    case XK_KP_Separator:
        return key::kDecimal;
    case XK_KP_Divide:
        return key::kDivide;
    case XK_Num_Lock:
        return key::kNumLock;
    default:
        return 0;
    }
}

} // namespace scrivel::platform
