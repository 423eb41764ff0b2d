// Internal: the standard controls' window classes and the helpers they share.
#pragma once

#include <memory>
#include <vector>

#include "user32/window_attached.h"
#include "windows.h"

namespace vks::detail {

// The classes the system provides, registered with the process's first class lookup.
std::vector<WNDCLASSA> systemControlClasses();

LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK upDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK progressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK listBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK comboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class ListItems;
// For the snapshot: a list or combo box's items (null for another window), and whether one is
// selected.
const ListItems *listBoxItems(HWND box);
bool listBoxItemSelected(HWND box, int index);
const ListItems *comboBoxItems(HWND box);
LRESULT CALLBACK tabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Sends WM_COMMAND with the control's identifier and the code to its parent.
void notifyParent(HWND control, WORD code);

// A control's own state lives on the heap, its address in the window's first extra bytes,
// from WM_NCCREATE to WM_NCDESTROY; the window owns it, so that it goes with a window whose
// thread ended before WM_NCDESTROY.
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
