// Internal: the standard controls' window classes and the helpers they share.
#pragma once

#include <vector>

#include "user32/control_state.h"
#include "windows.h"

namespace vks::detail {

// The classes the system provides, registered with the process's first class lookup.
std::vector<WNDCLASSA> systemControlClasses();

LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK listBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK comboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class ListItems;
// For the snapshot: a list or combo box's items (null for another window), and whether one is
// selected.
const ListItems *listBoxItems(HWND box);
bool listBoxItemSelected(HWND box, int index);
const ListItems *comboBoxItems(HWND box);

// Sends WM_COMMAND with the control's identifier and the code to its parent.
void notifyParent(HWND control, WORD code);

}  // namespace vks::detail
