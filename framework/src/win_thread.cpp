// CWinThread: the thread object and its main window.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CWinThread, CObject)

CWinThread::CWinThread() : m_pMainWnd(NULL) {}

CWnd *CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

CWinThread *AFXAPI AfxGetThread()
{
    thread_local CWinThread thread;
    return &thread;
}

CWnd *AFXAPI AfxGetMainWnd()
{
    return AfxGetThread()->GetMainWnd();
}
