// Internal: the device contexts of windows, as user32 opens them. A top-level window has a
// surface its own and its children's DCs draw into.
#pragma once

#include "windows.h"

namespace vks::detail {

// A 32-bit surface of the size; its memory is taken at the first drawing.
HBITMAP createWindowSurface(int width, int height);
// A DC whose device point (0, 0) lies at `origin` of the surface and that draws only into
// `visible` (surface coordinates); `owner` is the window it belongs to.
HDC openWindowDc(HBITMAP surface, POINT origin, const RECT &visible, HWND owner);
// False when the DC is no open window DC.
bool closeWindowDc(HDC dc);
// The window an open window DC belongs to, or null.
HWND ownerOfDc(HDC dc);

}  // namespace vks::detail
