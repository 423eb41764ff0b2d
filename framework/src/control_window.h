// Internal: what the framework's control wrappers share: making the control's window, and
// asking it something through a message.
#pragma once

#include "afxwin.h"

namespace vks::detail {

// Makes `control`'s window of the class, a child of `parent` with the identifier `id` at `rect`
// in the parent's client coordinates.
BOOL createControl(CWnd &control, LPCSTR className, LPCSTR text, DWORD style, const RECT &rect,
                   CWnd *parent, UINT id);

// The control's answer to the message, as the type its caller gives.
template <typename Result = int>
Result askControl(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return static_cast<Result>(::SendMessageA(control, message, wParam, lParam));
}

// A text as a message's parameter.
inline LPARAM textParam(LPCSTR text)
{
    return reinterpret_cast<LPARAM>(text);
}

}  // namespace vks::detail
