// TutAnimatedBitmap: frames, their timer, their place and their background.
#include "ui/animated_bitmap.h"

IMPLEMENT_DYNAMIC(TutAnimatedBitmap, CStatic)

BOOL TutAnimatedBitmap::Create(unsigned int nBitmapID, int nFrameWidth, unsigned long dwStyle,
                               RECT const &rect, CWnd *pParentWnd, unsigned long crMask,
                               unsigned int nID)
{
    if (!CStatic::Create("", dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetBitmap(nBitmapID, nFrameWidth, crMask);
    return TRUE;
}

int TutAnimatedBitmap::SetBitmap(unsigned int nBitmapID, int nFrameWidth, unsigned long crMask)
{
    const bool loaded = m_frames.Create(nBitmapID, nFrameWidth, 1, crMask) != FALSE;
    if (loaded) {
        // The new strip may have fewer frames than the old one had reached.
        m_nCurrentFrame = 0;
        StartTimer();
    }
    SetDisplayAttributes(m_nDisplayAttributes);
    return loaded ? 1 : 0;
}

void TutAnimatedBitmap::SetBkColor(unsigned long crBackground)
{
    m_frames.SetBkColor(crBackground);
    m_nSysColorIndex = -1;
}

void TutAnimatedBitmap::SetBkColorToSysColor(int nIndex)
{
    const COLORREF colour = GetSysColor(nIndex);
    if (colour == CLR_INVALID)
        return;
    m_nSysColorIndex = nIndex;
    m_frames.SetBkColor(colour);
}

void TutAnimatedBitmap::SetSpeed(unsigned int nMilliseconds)
{
    m_nSpeed = nMilliseconds;
    if (m_nTimerId) {
        StopTimer();
        StartTimer();
    }
}

void TutAnimatedBitmap::StartTimer()
{
    if (m_nTimerId || !m_frames.m_hImageList || m_frames.GetImageCount() <= 1)
        return;
    m_nTimerId = SetTimer(kTimerId, m_nSpeed);
}

void TutAnimatedBitmap::StopTimer()
{
    if (!m_nTimerId)
        return;
    KillTimer(m_nTimerId);
    m_nTimerId = 0;
}

void TutAnimatedBitmap::SetDisplayAttributes(unsigned int nAttributes)
{
    m_nDisplayAttributes = static_cast<unsigned short>(nAttributes);
    const unsigned int centring = TUT_ANIMATION_CENTER_VERTICALLY | TUT_ANIMATION_CENTER_HORIZONTALLY;
    IMAGEINFO info{};
    if (!m_frames.m_hImageList || !(nAttributes & centring) || !m_frames.GetImageInfo(0, &info))
        return;
    const int frameWidth = info.rcImage.right - info.rcImage.left;
    const int frameHeight = info.rcImage.bottom - info.rcImage.top;
    CRect client;
    GetClientRect(&client);
    const int dx = (client.Width() - frameWidth) / 2;
    const int dy = (client.Height() - frameHeight) / 2;
    // A control made as large as the frame shows it from its edge, not from a negative offset
    // that would cut half the excess off.
    if (nAttributes & TUT_ANIMATION_CENTER_HORIZONTALLY)
        m_x = dx < 0 ? 0 : dx;
    if (nAttributes & TUT_ANIMATION_CENTER_VERTICALLY)
        m_y = dy < 0 ? 0 : dy;
    if (dx < 0 || dy < 0)
        ResizeToHold(frameWidth, frameHeight, dx < 0, dy < 0);
}

void TutAnimatedBitmap::ResizeToHold(int frameWidth, int frameHeight, bool wider, bool taller)
{
    CRect client, window;
    GetClientRect(&client);
    GetWindowRect(&window);
    // The frame sets the client size; whatever border the window has stays around it.
    const int width = window.Width() - client.Width() + (wider ? frameWidth : client.Width());
    const int height = window.Height() - client.Height() + (taller ? frameHeight : client.Height());
    SetWindowPos(NULL, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

LRESULT TutAnimatedBitmap::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SHOWWINDOW: {
        const LRESULT result = Default();
        if (wParam)
            StartTimer();
        else
            StopTimer();
        return result;
    }
    case WM_ERASEBKGND:
        return EraseThroughParent(wParam, lParam);
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
        FollowSystemColour();
        return result;
    }
    default:
        return CStatic::WindowProc(message, wParam, lParam);
    }
}

int TutAnimatedBitmap::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    const int result = CStatic::OnCreate(lpCreateStruct);
    StartTimer();
    return result;
}

void TutAnimatedBitmap::OnDestroy()
{
    StopTimer();
    CStatic::OnDestroy();
}

void TutAnimatedBitmap::OnPaint()
{
    CPaintDC dc(this);
    DrawCurrentFrame(dc);
}

void TutAnimatedBitmap::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_nTimerId || nIDEvent != m_nTimerId) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    m_nCurrentFrame = m_nCurrentFrame + 1 < m_frames.GetImageCount() ? m_nCurrentFrame + 1 : 0;
    CClientDC dc(this);
    DrawCurrentFrame(dc);
}

void TutAnimatedBitmap::DrawCurrentFrame(CDC &dc)
{
    if (m_frames.m_hImageList)
        m_frames.Draw(&dc, m_nCurrentFrame, {m_x, m_y}, ILD_NORMAL);
}

// The control has no background of its own: the parent erases it, so it sits on the parent's.
LRESULT TutAnimatedBitmap::EraseThroughParent(WPARAM wParam, LPARAM lParam)
{
    const HWND parent = ::GetParent(m_hWnd);
    return parent ? ::SendMessageA(parent, WM_ERASEBKGND, wParam, lParam) : 0;
}

void TutAnimatedBitmap::FollowSystemColour()
{
    if (m_nSysColorIndex == -1)
        return;
    const COLORREF colour = GetSysColor(m_nSysColorIndex);
    if (colour != m_frames.GetBkColor())
        m_frames.SetBkColor(colour);
}
