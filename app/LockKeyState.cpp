#include "app/LockKeyState.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <dlfcn.h>
#endif

namespace {

#if QT_CONFIG(xcb)
// The X library is loaded at run time: the program must start on machines without it.
using XAtom = unsigned long;
using PFN_XInternAtom = XAtom (*)(void*, const char*, int);
using PFN_XkbGetNamedIndicator = int (*)(void*, XAtom, int*, int*, void*, int*);

struct XKBCALLS {
    PFN_XInternAtom pfnInternAtom = nullptr;
    PFN_XkbGetNamedIndicator pfnGetNamedIndicator = nullptr;
    XAtom atomCaps = 0;
    XAtom atomNum = 0;
    XAtom atomScroll = 0;
};

const XKBCALLS* LoadXkbCalls(void* pDisplay)
{
    static XKBCALLS calls;
    static bool bTried = false;
    if (!bTried) {
        bTried = true;
        // The library is already mapped by the platform plugin; this only takes a reference.
        void* pLib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
        if (!pLib)
            pLib = dlopen("libX11.so.6", RTLD_NOW);
        if (pLib) {
            calls.pfnInternAtom = reinterpret_cast<PFN_XInternAtom>(dlsym(pLib, "XInternAtom"));
            calls.pfnGetNamedIndicator =
                reinterpret_cast<PFN_XkbGetNamedIndicator>(dlsym(pLib, "XkbGetNamedIndicator"));
        }
        if (calls.pfnInternAtom && calls.pfnGetNamedIndicator) {
            calls.atomCaps = calls.pfnInternAtom(pDisplay, "Caps Lock", 0);
            calls.atomNum = calls.pfnInternAtom(pDisplay, "Num Lock", 0);
            calls.atomScroll = calls.pfnInternAtom(pDisplay, "Scroll Lock", 0);
        }
    }
    return calls.pfnGetNamedIndicator ? &calls : nullptr;
}

bool IndicatorOn(const XKBCALLS& calls, void* pDisplay, XAtom atom, bool& bOn)
{
    int nIndex = 0;
    int nState = 0;
    if (!atom || !calls.pfnGetNamedIndicator(pDisplay, atom, &nIndex, &nState, nullptr, nullptr))
        return false;
    bOn = nState != 0;
    return true;
}
#endif

}  // namespace

LOCKKEYSTATE QueryLockKeyState()
{
    LOCKKEYSTATE state;
#if QT_CONFIG(xcb)
    auto* pX11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    void* pDisplay = pX11 ? static_cast<void*>(pX11->display()) : nullptr;
    if (!pDisplay)
        return state;
    const XKBCALLS* pCalls = LoadXkbCalls(pDisplay);
    if (!pCalls)
        return state;
    const bool bCaps = IndicatorOn(*pCalls, pDisplay, pCalls->atomCaps, state.bCaps);
    const bool bNum = IndicatorOn(*pCalls, pDisplay, pCalls->atomNum, state.bNum);
    IndicatorOn(*pCalls, pDisplay, pCalls->atomScroll, state.bScroll);
    state.bKnown = bCaps || bNum;
#endif
    return state;
}
