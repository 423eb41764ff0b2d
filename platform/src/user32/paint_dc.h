// Internal: the device contexts of windows. A top-level window keeps a surface that its own DCs
// and its children's draw into, each DC placed at its window's client area and clipped to it
// (and to the parts of its ancestors' client areas it shows in).
#pragma once

#include "windows.h"

namespace vks::detail {

// A DC of the window's client area, clipped further to `update` (client coordinates) when
// given; null when the window is gone.
HDC openPaintDc(HWND hwnd, const RECT *update = nullptr);
// False when dc is no open DC of hwnd.
bool closePaintDc(HWND hwnd, HDC dc);
// The window an open DC draws on, or null.
HWND windowOfDc(HDC dc);
// The window is gone: its open DCs fail from now on, and its surface goes.
void closeWindowDcs(HWND hwnd);

}  // namespace vks::detail
