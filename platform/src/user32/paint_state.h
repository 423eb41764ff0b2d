// Internal: the update regions of windows and the WM_PAINT they give the message loop.
#pragma once

#include <optional>

#include "user32/message_filter.h"
#include "windows.h"

namespace vks::detail {

// RedrawWindow's work for one window that exists; rect is in its client coordinates (null: the
// whole client area). Returns nothing: a hidden window has nothing to paint.
void redrawWindow(HWND hwnd, const RECT *rect, UINT flags);

// What BeginPaint takes from the window: the update rectangle (empty when the window was valid)
// and whether erasing was asked; the window is left valid. Empty when hwnd is no window.
struct PaintStart {
    RECT update;
    bool erase;
};
std::optional<PaintStart> takeUpdate(HWND hwnd);
// The update rectangle, empty when the window is valid; empty optional when hwnd is no window.
std::optional<RECT> updateRectOf(HWND hwnd);

// The first window of the thread that needs painting and that the filter accepts, parents
// before their children, each level in Z-order from the top; null when none does.
HWND windowToPaint(DWORD threadId, const MessageFilter &filter);

// A window became visible: it and its children are invalidated with erasing. A child that was
// hidden leaves its parent's area under it to repaint.
void exposeShownWindow(HWND hwnd);
void exposeHiddenWindow(HWND hwnd);

// DefWindowProcA's WM_PAINT (BeginPaint, EndPaint) and WM_ERASEBKGND (TRUE when the class has
// a background brush, which is what it would fill with).
LRESULT defaultPaint(HWND hwnd);
LRESULT defaultEraseBackground(HWND hwnd);

}  // namespace vks::detail
