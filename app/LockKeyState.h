#pragma once
// Whether Caps Lock, Num Lock and Scroll Lock are on, as far as the windowing system tells.

struct LOCKKEYSTATE {
    bool bKnown = false;  // false: the platform does not tell (Wayland, offscreen)
    bool bCaps = false;
    bool bNum = false;
    bool bScroll = false;
};

LOCKKEYSTATE QueryLockKeyState();
