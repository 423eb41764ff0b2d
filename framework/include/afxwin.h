// afxwin.h: windows of the framework: CWnd, its handle map, message dispatch to virtual
// handlers, and the modal message loop; dialogs with their data exchange, and the standard
// controls.
#pragma once

#include "afx.h"
#include "afxgeometry.h"

// winuser.h makes GetNextWindow a macro for GetWindow; CWnd has a member of that name.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

// The window procedure of every framework window: finds the CWnd of the handle and calls its
// WindowProc; windows without an object get DefWindowProcA.
AFX_CORE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window class with AfxWndProc as its procedure, registered on first use under a name made
// from the style and the handles ("Afx:..."), which the call returns. Throws the resource
// exception when the class cannot be registered.
AFX_CORE_API LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = NULL,
                                  HBRUSH hbrBackground = NULL, HICON hIcon = NULL);

class AFX_CORE_CLASS CWnd : public CObject {
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
    // The members declared inline here are defined in afxwin_inline.h; declared so in the class,
    // each library keeps its own copy hidden rather than exporting the framework's.
    inline CWnd *GetWindow(UINT nCmd) const;
    inline CWnd *GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    inline int GetDlgCtrlID() const;

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
    inline int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString &rString) const;
    inline void SetDlgItemText(int nID, LPCSTR lpszString);
    inline LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0,
                                      LPARAM lParam = 0) const;
    // Routes the messages of the parent's child nID through this object (SubclassWindow).
    BOOL SubclassDlgItem(UINT nID, CWnd *pParent);

    // Styles. Modify* return FALSE when nothing changed; a non-zero nFlags then also calls
    // SetWindowPos with those flags, so that a frame change takes effect.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Focus and activation. The static forms give the object of the window, so NULL means
    // either no such window or a window without a framework object (FromHandle): a caller that
    // must know whether any window has the focus asks ::GetFocus.
    static inline CWnd *GetFocus();
    inline CWnd *SetFocus();
    static inline CWnd *GetActiveWindow();
    inline CWnd *SetActiveWindow();
    inline BOOL IsChild(const CWnd *pWnd) const;

    // Positions, as the platform calls of the same names on this window.
    inline void GetClientRect(LPRECT lpRect) const;
    inline void ScreenToClient(LPPOINT lpPoint) const;
    inline void ScreenToClient(LPRECT lpRect) const;
    inline void ClientToScreen(LPPOINT lpPoint) const;
    inline void ClientToScreen(LPRECT lpRect) const;
    inline void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    inline void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // pWndInsertAfter: a sibling, or one of wndTop, wndBottom, wndTopMost, wndNoTopMost; NULL
    // is wndTop (ignored with SWP_NOZORDER).
    inline BOOL SetWindowPos(const CWnd *pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    // A child is centred in its parent's client area; any other window on pAlternateOwner, else
    // its owner when that is visible and not minimised, else the screen. The result is kept on
    // the screen.
    void CenterWindow(CWnd *pAlternateOwner = NULL);

    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Painting.
    inline void Invalidate(BOOL bErase = TRUE);
    inline void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    inline void UpdateWindow();

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
    // The message being handled now on this thread (its time and point are zero).
    static const MSG *GetCurrentMessage();

protected:
    // Handlers; each default does the default handling of its message.
    //
    // A handler argument that names another window (pWndOther, pOldWnd, pNewWnd, pWnd,
    // pScrollBar) is never NULL when the message names a window: a window without a framework
    // object comes as a temporary CWnd attached to nothing, valid until the handler returns, on
    // which the handle, GetDlgCtrlID and the other thin calls work. FromHandle still gives NULL
    // for such a window; never keep the pointer. NULL means the message named no window.
    virtual int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    virtual void OnDestroy();
    // Unmaps the object, then calls PostNcDestroy, after which the object is not touched.
    virtual void OnNcDestroy();
    virtual void OnTimer(UINT_PTR nIDEvent);
    // FALSE: not handled, so the message gets its default handling.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnClose();
    virtual void OnPaint();
    // TRUE: handled, the cursor is set.
    virtual BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    // nState: WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE.
    virtual void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized);
    virtual void OnSetFocus(CWnd *pOldWnd);
    virtual void OnKillFocus(CWnd *pNewWnd);
    // pos: screen coordinates of the click, or (-1, -1) when the keyboard asked.
    virtual void OnContextMenu(CWnd *pWnd, CPoint pos);
    // TRUE: the request was handled.
    virtual BOOL OnHelpInfo(HELPINFO *pHelpInfo);
    // WM_NOTIFY: TRUE when handled, the answer in *pResult.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CWnd *pScrollBar);
    virtual void OnVScroll(UINT nSBCode, UINT nPos, CWnd *pScrollBar);
    // The last call the object gets for its window; a class that lives on the heap may delete
    // itself here. CWnd's does nothing.
    virtual void PostNcDestroy();

    WNDPROC m_pfnSuper;  // the procedure that default handling calls; NULL: DefWindowProcA
    int m_nModalResult;
    DWORD m_nFlags;

    // AfxWndProc's way in to WindowProc (a class: a friend function would lose its DLL linkage).
    friend class CWndProcEntry;

private:
    // The insert-after markers (wndTop, ...), which name no window.
    explicit CWnd(HWND hWndMarker);
};

// m_nFlags.
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010

// The framework's thread object: each thread has one, made when first asked for, that lives as
// long as the thread. A program names the thread's main window framework style, with
// AfxGetThread()->m_pMainWnd = pWnd; it is forgotten when that window is destroyed.
class AFX_CORE_CLASS CWinThread : public CObject {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    CWnd *m_pMainWnd;

    virtual CWnd *GetMainWnd();
};

// The calling thread's thread object.
AFX_CORE_API CWinThread *AFXAPI AfxGetThread();
// The calling thread's main window; NULL when it has none.
AFX_CORE_API CWnd *AFXAPI AfxGetMainWnd();

// ---- Dialogs and their data exchange ------------------------------------------------------

// What a dialog's DoDataExchange works with: the direction, the dialog, and the control the
// last DDX routine prepared, which a failing DDV routine or Fail gives the focus back to.
class AFX_CORE_CLASS CDataExchange {
public:
    CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to variables (and validate); FALSE: the reverse
    CWnd *m_pDlgWnd;
    int m_idLastControl;     // 0 before the first control is prepared
    BOOL m_bEditLastControl;  // the last control prepared is an edit field

    // The dialog's control nIDC, now the last control; throws the not-supported exception when
    // the dialog has no such control (a template and code that disagree).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange as failed: when saving, the focus goes back to the last control (its
    // whole text selected if it is an edit field); then the user exception is thrown, which
    // UpdateData turns into FALSE.
    [[noreturn]] void Fail();
};

class AFX_CORE_CLASS CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    // The template is the RT_DIALOG resource of that number or name, found along the
    // framework's resource chain (AfxFindResourceHandle) when the dialog is made.
    explicit CDialog(UINT nIDTemplate, CWnd *pParentWnd = NULL);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd *pParentWnd = NULL);
    ~CDialog() override;

    // Runs the dialog modally (its owner, the parent or else the thread's main window, is
    // disabled meanwhile) and returns EndDialog's result; -1 when the template cannot be found
    // or the dialog cannot be made.
    virtual INT_PTR DoModal();
    // Modeless: makes the dialog and returns once it is initialised; the object then lives
    // until DestroyWindow.
    virtual BOOL Create(UINT nIDTemplate, CWnd *pParentWnd = NULL);
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd *pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd *pParentWnd = NULL);
    // Ends a modal dialog with nResult (DoModal's result). A modeless dialog is only marked
    // ended: it stays until DestroyWindow, which the program calls.
    void EndDialog(int nResult);

    // Runs DoDataExchange in the given direction; FALSE when a DDX or DDV routine failed (the
    // user was told and the focus is on the offending control).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // MAKELONG(id, DC_HASDEFID) of the default push button, 0 without one.
    DWORD GetDefID() const;
    void SetDefID(UINT nID);
    // Move the focus as Tab, Shift+Tab or a direct choice would (WM_NEXTDLGCTL).
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd *pWndCtrl);
    // Dialog units to pixels with this dialog's base units.
    void MapDialogRect(LPRECT lpRect) const;

    // WM_INITDIALOG: UpdateData(FALSE), then TRUE so that the dialog manager focuses the first
    // tab stop.
    virtual BOOL OnInitDialog();

    UINT m_nIDHelp;  // the dialog's help topic: the template number, 0 for a named template

protected:
    // IDOK: UpdateData(TRUE), and on success EndDialog(IDOK).
    virtual void OnOK();
    // IDCANCEL (Escape, the Cancel button, WM_CLOSE): EndDialog(IDCANCEL).
    virtual void OnCancel();
    // The dialog's DDX and DDV calls; CDialog's does nothing.
    virtual void DoDataExchange(CDataExchange *pDX);
    // Routes IDOK and IDCANCEL clicks to OnOK and OnCancel.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CWnd *m_pParentWnd;

private:
    LPCDLGTEMPLATEA findTemplate(HINSTANCE &module) const;
    HWND ownerWindow() const;
    BOOL createModeless(HINSTANCE module, LPCDLGTEMPLATEA lpDialogTemplate, CWnd *pParentWnd);

    CString m_strTemplateName;
    UINT m_nIDTemplate;
};

// The procedure of the framework's dialogs. A dialog's first message subclasses the window for
// its CDialog, so that every message from then on (WM_SETFONT and WM_INITDIALOG included) goes
// through the object, and runs the object's OnCreate (with a CREATESTRUCTA describing the
// window as made), which the dialog manager's creation messages do not reach.
AFX_CORE_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Data exchange between a dialog's controls and variables. Saving reads the control and, for
// numbers, refuses text that is not one number of the type's range (the user is told "Please
// enter an integer." or "Please enter a positive integer.", then Fail). Loading writes the
// value in decimal, leaving a control alone whose text already is that (no change
// notification). DWORD is UINT here, so its form is the UINT one.
AFX_CORE_API void AFXAPI DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, CString &value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, int &value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, UINT &value);
// long holds Windows' 32-bit range.
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange *pDX, int nIDC, long &value);
// Validation of the value the last DDX routine saved; loading only limits an edit field's
// length (DDV_MaxChars).
AFX_CORE_API void AFXAPI DDV_MaxChars(CDataExchange *pDX, const CString &value, int nChars);
AFX_CORE_API void AFXAPI DDV_MinMaxInt(CDataExchange *pDX, int value, int minVal, int maxVal);
AFX_CORE_API void AFXAPI DDV_MinMaxUInt(CDataExchange *pDX, UINT value, UINT minVal, UINT maxVal);

// ---- Standard controls ----------------------------------------------------------------------
// Each is made by Create or attached to a dialog's control by SubclassDlgItem or DDX_Control;
// the operations are the control's messages.

class AFX_CORE_CLASS CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                UINT nID = 0xffff);
};

class AFX_CORE_CLASS CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    // The low byte of the window style (the button type and its alignment bits).
    UINT GetButtonStyle() const;
    // BM_SETSTYLE: replaces the button type, redrawing when bRedraw.
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};

class AFX_CORE_CLASS CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    // The most the user may type; 0 lifts the limit to the control's maximum.
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    // MAKELONG(start, end) of the selection.
    DWORD GetSel() const;
    void GetSel(int &nStartChar, int &nEndChar) const;
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    // nStartChar -1 removes the selection; nEndChar -1 runs to the end of the text.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
};

class AFX_CORE_CLASS CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    int GetCount() const;
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    // Single selection: the selected item. Multiple selection: the focused one.
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetSel(int nIndex) const;
    // Multiple selection only; nIndex -1 is every item.
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetSelItems(int nMaxItems, LPINT rgIndex) const;
    // The buffer must hold GetTextLen(nIndex) + 1 bytes.
    int GetText(int nIndex, LPSTR lpszBuffer) const;
    void GetText(int nIndex, CString &rString) const;
    int GetTextLen(int nIndex) const;
    int AddString(LPCSTR lpszItem);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCSTR lpszItem);
    void ResetContent();
    int FindString(int nStartAfter, LPCSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszItem);
};

class AFX_CORE_CLASS CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    // The buffer must hold GetLBTextLen(nIndex) + 1 bytes.
    int GetLBText(int nIndex, LPSTR lpszText) const;
    void GetLBText(int nIndex, CString &rString) const;
    int GetLBTextLen(int nIndex) const;
    int AddString(LPCSTR lpszString);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCSTR lpszString);
    void ResetContent();
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszString);
};

#include "afxwin_inline.h"
#include "afxcmn.h"
#include "afxdc.h"
#include "afxmenu.h"
