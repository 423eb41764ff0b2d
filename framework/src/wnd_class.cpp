// AfxRegisterWndClass: the framework's window classes, one per style and handles.
#include <cstdio>

#include "afxwin.h"

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                  HICON hIcon)
{
    // As in the original framework, the name lives in a per-thread buffer until the next call.
    thread_local char name[96];
    const HINSTANCE instance = AfxGetInstanceHandle();
    std::snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void *>(instance),
                  nClassStyle, static_cast<void *>(hCursor), static_cast<void *>(hbrBackground),
                  static_cast<void *>(hIcon));
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, name, &wc))
        return name;
    wc.style = nClassStyle;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = instance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!RegisterClassA(&wc))
        AfxThrowResourceException();
    return name;
}
