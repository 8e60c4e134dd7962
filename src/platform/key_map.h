#pragma once

namespace scrivel::platform {

// The Windows virtual-key code of an X keysym as XLookupString gives it (so the keypad's digits
// with NumLock on, its arrows with it off), or 0 for keys the game has no code for.
int VirtualKeyFromKeysym(unsigned long keysym);

} // namespace scrivel::platform
