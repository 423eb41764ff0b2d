// Internal: where a control keeps its own state: on the heap, its address in the window's first
// extra bytes, from WM_NCCREATE to WM_NCDESTROY.
#pragma once

#include "windows.h"

namespace vks::detail {

template <typename State>
State *controlState(HWND control)
{
    return reinterpret_cast<State *>(GetWindowLongPtrA(control, 0));
}

template <typename State>
void attachControlState(HWND control)
{
    SetWindowLongPtrA(control, 0, reinterpret_cast<LONG_PTR>(new State));
}

template <typename State>
void detachControlState(HWND control)
{
    delete controlState<State>(control);
    SetWindowLongPtrA(control, 0, 0);
}

}  // namespace vks::detail
