// Internal: the map from window handles to the framework's window objects.
#pragma once

#include "afxwin.h"

namespace vks::detail {

CWnd *windowObject(HWND hwnd);
void mapWindowObject(HWND hwnd, CWnd *wnd);
void unmapWindowObject(HWND hwnd);

// The object CreateEx is creating on this thread, claimed by the first message of its window.
CWnd *&windowBeingCreated();

}  // namespace vks::detail
