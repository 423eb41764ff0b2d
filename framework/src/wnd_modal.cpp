// CWnd's modal message loop.
#include "afxwin.h"

int CWnd::RunModalLoop(DWORD)
{
    if (!::IsWindow(m_hWnd) || (m_nFlags & WF_MODALLOOP))
        return -1;
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    int result = -1;
    MSG msg;
    for (;;) {
        if (!ContinueModal()) {
            result = m_nModalResult;
            break;
        }
        const BOOL got = ::GetMessageA(&msg, NULL, 0, 0);
        if (got == 0) {
            // The outer loop must still see the quit request.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        // A thread message has no window: DispatchMessageA runs a thread timer's procedure and
        // drops anything else, as every modal loop does.
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    m_nFlags &= ~static_cast<DWORD>(WF_MODALLOOP | WF_CONTINUEMODAL);
    return result;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~static_cast<DWORD>(WF_CONTINUEMODAL);
        // Wakes the loop if it is waiting for a message.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}
