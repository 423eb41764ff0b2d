// CWnd::CenterWindow.
#include "afxwin.h"

namespace {

CRect screenRect()
{
    return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

// A hidden or minimised owner is no place to centre on.
bool canCentreOn(HWND owner)
{
    return owner && ::IsWindowVisible(owner) && !(::GetWindowLongA(owner, GWL_STYLE) & WS_MINIMIZE);
}

// Shifts the window back inside the limit, its top-left corner first.
CPoint keptInside(CPoint origin, CSize size, const CRect &limit)
{
    if (origin.x + size.cx > limit.right)
        origin.x = limit.right - size.cx;
    if (origin.x < limit.left)
        origin.x = limit.left;
    if (origin.y + size.cy > limit.bottom)
        origin.y = limit.bottom - size.cy;
    if (origin.y < limit.top)
        origin.y = limit.top;
    return origin;
}

}  // namespace

void CWnd::CenterWindow(CWnd *pAlternateOwner)
{
    CRect window;
    GetWindowRect(window);
    CRect area;
    CRect limit;
    const HWND parent = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : NULL;
    if (parent) {
        // All in the parent's client coordinates, which the move takes.
        ::GetClientRect(parent, area);
        limit = area;
        ::MapWindowPoints(NULL, parent, reinterpret_cast<LPPOINT>(&window), 2);
    } else {
        HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
        limit = screenRect();
        if (canCentreOn(owner))
            ::GetWindowRect(owner, area);
        else
            area = limit;
    }
    const CPoint centred(area.left + (area.Width() - window.Width()) / 2,
                         area.top + (area.Height() - window.Height()) / 2);
    const CPoint origin = keptInside(centred, window.Size(), limit);
    SetWindowPos(NULL, origin.x, origin.y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
