// Internal: state a window carries for its class or its kind (a control's, a dialog's), kept in
// the window's record under a key, so that it goes with the window, also when the window's
// thread ends and the window goes without WM_NCDESTROY.
#pragma once

#include <memory>

#include "windows.h"

namespace vks::detail {

// A key per kind of state: the address of this variable.
template <typename State>
inline constexpr char attachedKey = 0;

// Hangs the state on the window under the key, replacing any; false when hwnd is no window
// (the state is then freed).
bool attachToWindow(HWND hwnd, const void *key, std::shared_ptr<void> state);
// Takes the state off the window and frees it, with no lock held.
void detachFromWindow(HWND hwnd, const void *key);

}  // namespace vks::detail
