// Internal: the object a handler gets for a window that a message names.
#pragma once

#include "afxwin.h"

namespace vks::detail {

// The window's own object, or else a temporary CWnd on the handle, attached to nothing, that
// lives as long as this (one handler call); NULL for no window.
class NamedWindow {
public:
    explicit NamedWindow(HWND hwnd);
    ~NamedWindow();
    NamedWindow(const NamedWindow &) = delete;
    NamedWindow &operator=(const NamedWindow &) = delete;

    CWnd *get() { return wnd_; }

private:
    CWnd temporary_;
    CWnd *wnd_;
};

}  // namespace vks::detail
