// Internal: the device-context handles BeginPaint gives. There is no drawing yet, so a handle
// only names the window it paints until EndPaint releases it.
#pragma once

#include "windows.h"

namespace vks::detail {

HDC openPaintDc(HWND hwnd);
// False when dc is no open handle of hwnd.
bool closePaintDc(HWND hwnd, HDC dc);
// The window an open handle paints, or null.
HWND windowOfDc(HDC dc);

}  // namespace vks::detail
