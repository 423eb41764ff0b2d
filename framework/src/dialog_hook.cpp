// AfxDlgProc: a framework dialog's window meets its CDialog.
//
// The dialog manager gives a dialog procedure the window only after its creation messages, so
// the framework takes the window on the first message the procedure sees (WM_SETFONT when the
// template names a font, else the first message the controls' creation or WM_INITDIALOG brings):
// it subclasses the window for the object, runs the object's WM_CREATE handling with a
// CREATESTRUCTA that describes the window as made, and delivers that first message again through
// the object. From then on every message reaches the object through AfxWndProc, and what it
// leaves to the default goes to the dialog manager, which asks this procedure again: then it
// only runs OnInitDialog for WM_INITDIALOG.
#include "dialog_hook.h"

#include "wnd_map.h"
#include "wnd_message.h"

namespace vks::detail {

namespace {

CDialog *&dialogBeingCreated()
{
    thread_local CDialog *creating = nullptr;
    return creating;
}

CDialog *claimDialogBeingCreated()
{
    CDialog *creating = dialogBeingCreated();
    dialogBeingCreated() = nullptr;
    return creating;
}

// The window as creation made it, in the form WM_CREATE carries.
struct CreationRecord {
    explicit CreationRecord(HWND hwnd);

    CREATESTRUCTA create{};
    CString text;
    char className[64] = {};
};

CreationRecord::CreationRecord(HWND hwnd)
{
    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    const HWND parent = (style & WS_CHILD) ? ::GetParent(hwnd) : ::GetWindow(hwnd, GW_OWNER);
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    if (style & WS_CHILD)
        ::MapWindowPoints(NULL, parent, reinterpret_cast<LPPOINT>(&rect), 2);
    const int length = ::GetWindowTextLengthA(hwnd);
    text.ReleaseBuffer(::GetWindowTextA(hwnd, text.GetBufferSetLength(length), length + 1));
    ::GetClassNameA(hwnd, className, sizeof className);
    create.hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    create.hwndParent = parent;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.style = style;
    create.dwExStyle = static_cast<DWORD>(::GetWindowLongA(hwnd, GWL_EXSTYLE));
    create.lpszName = text;
    create.lpszClass = className;
}

}  // namespace

// The dialog manager's creation fails when the window is gone.
bool adoptWindow(CWnd *dialog, HWND hwnd)
{
    if (!dialog->SubclassWindow(hwnd))
        return false;
    CreationRecord record(hwnd);
    const LPARAM lParam = reinterpret_cast<LPARAM>(&record.create);
    LRESULT created = -1;
    {
        CurrentMessage current(hwnd, WM_CREATE, 0, lParam);
        try {
            created = dialog->WindowProc(WM_CREATE, 0, lParam);
        } catch (CException *e) {
            TRACE("AfxDlgProc: exception in WM_CREATE\n");
            e->Delete();
        }
    }
    if (created == -1) {
        ::DestroyWindow(hwnd);
        return false;
    }
    return true;
}

void expectDialog(CDialog *dialog)
{
    dialogBeingCreated() = dialog;
}

namespace {

BOOL initDialog(CWnd *wnd)
{
    if (!wnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return FALSE;
    try {
        return static_cast<CDialog *>(wnd)->OnInitDialog();
    } catch (CException *e) {
        // As AfxWndProc does: a framework exception ends at the window procedure.
        TRACE("AfxDlgProc: exception in OnInitDialog\n");
        e->Delete();
        return FALSE;
    }
}

}  // namespace

DialogCreation::DialogCreation(CDialog *dialog) : outer_(dialogBeingCreated())
{
    dialogBeingCreated() = dialog;
}

DialogCreation::~DialogCreation()
{
    dialogBeingCreated() = outer_;
}

}  // namespace vks::detail

using namespace vks::detail;

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd *wnd = windowObject(hWnd))
        return message == WM_INITDIALOG ? initDialog(wnd) : FALSE;
    CDialog *dialog = claimDialogBeingCreated();
    if (!dialog)
        return FALSE;
    if (!adoptWindow(dialog, hWnd))
        return TRUE;
    // This first message came past the object; it goes round again, now through it. An answer
    // of 0 lets the dialog manager apply its default once more, which for the messages that
    // can come first (WM_SETFONT, WM_INITDIALOG, a control's notification) changes nothing.
    return AfxWndProc(hWnd, message, wParam, lParam);
}
