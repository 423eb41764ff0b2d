// Internal: where a control keeps its own state: on the heap, its address in the window's first
// extra bytes, from WM_NCCREATE to WM_NCDESTROY; the window owns it, so that it goes with a
// window whose thread ended before WM_NCDESTROY.
#pragma once

#include <memory>

#include "user32/window_attached.h"
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
    auto state = std::make_shared<State>();
    SetWindowLongPtrA(control, 0, reinterpret_cast<LONG_PTR>(state.get()));
    attachToWindow(control, &attachedKey<State>, std::move(state));
}

template <typename State>
void detachControlState(HWND control)
{
    SetWindowLongPtrA(control, 0, 0);
    detachFromWindow(control, &attachedKey<State>);
}

}  // namespace vks::detail
