// The objects handlers get for windows that messages name.
#include "wnd_named.h"

namespace vks::detail {

NamedWindow::NamedWindow(HWND hwnd) : wnd_(nullptr)
{
    if (!hwnd)
        return;
    wnd_ = CWnd::FromHandlePermanent(hwnd);
    if (!wnd_) {
        // Not mapped, so FromHandle keeps answering NULL and the destructor leaves the window.
        temporary_.m_hWnd = hwnd;
        wnd_ = &temporary_;
    }
}

NamedWindow::~NamedWindow()
{
    temporary_.m_hWnd = NULL;
}

}  // namespace vks::detail
