// afxwin.h: windows of the framework: CWnd, its handle map, message dispatch to virtual
// handlers, and the modal message loop.
#pragma once

#include "afx.h"

// The window procedure of every framework window: finds the CWnd of the handle and calls its
// WindowProc; windows without an object get DefWindowProcA.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window class with AfxWndProc as its procedure, registered on first use under a name made
// from the style and the handles ("Afx:..."), which the call returns. Throws the resource
// exception when the class cannot be registered.
LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = NULL,
                                  HBRUSH hbrBackground = NULL, HICON hIcon = NULL);

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    // Destroys a window still attached (its handlers run as CWnd's, the derived part being gone).
    ~CWnd() override;

    HWND m_hWnd;

    // Unlike the original framework's, not callable through a null pointer (that is undefined
    // in C++): test the pointer first.
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object of a window that the framework created or subclassed; NULL for any other
    // window (no temporary wrappers are made).
    static CWnd *FromHandle(HWND hWnd);
    static CWnd *FromHandlePermanent(HWND hWnd);

    // Creates the window. A class whose procedure is AfxWndProc (AfxRegisterWndClass, or NULL
    // for a plain framework class) routes every message, WM_NCCREATE and WM_CREATE included, to
    // this object; any other class is subclassed once created, so its creation messages go to
    // the class's own procedure only.
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight,
                          HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();

    // Maps an existing window to this object without changing its procedure / and back.
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Routes an existing window's messages through this object; Unsubclass undoes it.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = NULL);
    BOOL KillTimer(UINT_PTR nIDEvent);
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString &rString) const;
    CWnd *GetParent() const;

    // Window state, as the platform calls of the same names on this window.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    void GetWindowRect(LPRECT lpRect) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT *lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT *lpwndpl);
    // The object of the child with identifier nID; NULL when there is none or it has no object
    // (no temporary wrappers are made).
    CWnd *GetDlgItem(int nID) const;

    // The modal loop of dialogs: dispatches window messages of the thread, drops thread
    // messages, and returns EndModalLoop's result once ContinueModal says stop. WM_QUIT ends
    // the loop with -1 and is posted again for the outer loop. -1 also when there is no window
    // or the window already runs a modal loop.
    virtual int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // Message handling: WindowProc calls OnWndMsg, which calls the handler of the message and
    // says whether it handled it; what it does not handle goes to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default handling of the message being handled now.
    LRESULT Default();

protected:
    // Handlers; each default does the default handling of its message.
    virtual int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    virtual void OnDestroy();
    // Unmaps the object, then calls PostNcDestroy, after which the object is not touched.
    virtual void OnNcDestroy();
    virtual void OnTimer(UINT_PTR nIDEvent);
    // FALSE: not handled, so the message gets its default handling.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnClose();
    // The last call the object gets for its window; a class that lives on the heap may delete
    // itself here. CWnd's does nothing.
    virtual void PostNcDestroy();

    WNDPROC m_pfnSuper;  // the procedure that default handling calls; NULL: DefWindowProcA
    int m_nModalResult;
    DWORD m_nFlags;

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
};

// m_nFlags.
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010

// The framework's thread object: each thread has one, made when first asked for, that lives as
// long as the thread. A program names the thread's main window framework style, with
// AfxGetThread()->m_pMainWnd = pWnd; it is forgotten when that window is destroyed.
class CWinThread : public CObject {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    CWnd *m_pMainWnd;

    virtual CWnd *GetMainWnd();
};

// The calling thread's thread object.
CWinThread *AFXAPI AfxGetThread();
// The calling thread's main window; NULL when it has none.
CWnd *AFXAPI AfxGetMainWnd();
