// Internal: the keyboard as the calling thread's messages have shown it.
#pragma once

#include "windows.h"

namespace vks::detail {

// The F1 key's own message (WM_KEYF1), which the message loop posts when it takes F1's
// WM_KEYDOWN and DefWindowProcA turns into WM_HELP; Windows gives it no name in its headers.
constexpr UINT kKeyF1Message = 0x004D;

// The key state GetKeyState reads: key messages taken from the calling thread's queue update it.
void noteKeyMessage(const MSG &msg);

}  // namespace vks::detail
