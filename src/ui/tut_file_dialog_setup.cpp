// TutFileDialog's set-up of the common dialog window: the template's controls made again in
// it, the tab order, the Help button.
#include "ui/tut_file_dialog.h"

#include <vector>

#include "util/startup.h"

namespace {

constexpr int kHelpButtonId = 0xE146;
constexpr UINT kHelpText = 8594;
constexpr DWORD kHelpButtonStyle = 0x50010000;  // child, visible, tab stop
constexpr int kMargin = 10;
constexpr int kNameLimit = 260;

std::vector<HWND> directChildren(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT clientRectOf(HWND window, HWND client)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(NULL, client, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

// A copy of `control` in `dialog`, at the same place, with the same font.
void copyControl(HWND control, HWND dialog)
{
    char className[kNameLimit] = {};
    char text[kNameLimit] = {};
    ::GetClassNameA(control, className, kNameLimit);
    ::GetWindowTextA(control, text, kNameLimit);
    const RECT rect = clientRectOf(control, dialog);
    const HWND copy = ::CreateWindowExA(
        static_cast<DWORD>(::GetWindowLongA(control, GWL_EXSTYLE)), className, text,
        static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)), rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(::GetWindowLongA(control, GWL_ID))),
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(control, GWLP_HINSTANCE)), NULL);
    if (copy)
        ::SendMessageA(copy, WM_SETFONT, ::SendMessageA(control, WM_GETFONT, 0, 0), FALSE);
}

void placeAfter(HWND control, HWND previous)
{
    ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW);
}

}  // namespace

void TutFileDialog::FileDialogFinalInit()
{
    if (m_inner.m_ofn.Flags & (OFN_ENABLETEMPLATE | OFN_ENABLETEMPLATEHANDLE)) {
        RecreateSubdialogControls();
        ResetTabOrder();
    }
    if (m_nHelpID)
        CreateHelpButton();
    UpdateData(FALSE);
    CenterWindow();
}

void TutFileDialog::RecreateSubdialogControls()
{
    const HWND hook = m_inner.GetSafeHwnd();
    if (!hook || !m_hWnd)
        return;
    for (HWND control : directChildren(hook)) {
        copyControl(control, m_hWnd);
        ::ShowWindow(control, SW_HIDE);
        ::EnableWindow(control, FALSE);
    }
    ::ShowWindow(hook, SW_HIDE);
}

void TutFileDialog::ResetTabOrder()
{
    for (const ULONG *pair = m_pTabOrder; pair && pair[0]; pair += 2) {
        const HWND first = ::GetDlgItem(m_hWnd, static_cast<int>(pair[0]));
        const HWND second = ::GetDlgItem(m_hWnd, static_cast<int>(pair[1]));
        if (first && second)
            placeAfter(second, first);
    }
}

// Help continues the step from OK to Cancel once more; the dialog grows to keep a margin
// around it.
void TutFileDialog::CreateHelpButton()
{
    const HWND ok = ::GetDlgItem(m_hWnd, IDOK);
    const HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    if (!ok || !cancel)
        return;
    RECT dialog{}, okRect{}, cancelRect{};
    ::GetWindowRect(m_hWnd, &dialog);
    ::GetWindowRect(ok, &okRect);
    ::GetWindowRect(cancel, &cancelRect);
    RECT help = {2 * cancelRect.left - okRect.left, 2 * cancelRect.top - okRect.top,
                 2 * cancelRect.right - okRect.right, 2 * cancelRect.bottom - okRect.bottom};
    bool grown = false;
    if (dialog.right < help.right + kMargin) {
        dialog.right = help.right + kMargin;
        grown = true;
    }
    if (dialog.bottom < help.bottom + kMargin) {
        dialog.bottom = help.bottom + kMargin;
        grown = true;
    }
    if (grown)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, dialog.right - dialog.left, dialog.bottom - dialog.top,
                       SWP_NOMOVE | SWP_NOZORDER);
    ::MapWindowPoints(NULL, m_hWnd, reinterpret_cast<LPPOINT>(&help), 2);
    if (const HWND existing = ::GetDlgItem(m_hWnd, kHelpButtonId)) {
        ::MoveWindow(existing, help.left, help.top, help.right - help.left, help.bottom - help.top,
                     TRUE);
        placeAfter(existing, cancel);
        ::ShowWindow(existing, SW_SHOW);
        return;
    }
    CString text;
    text.LoadString(kHelpText);
    const HWND button = ::CreateWindowExA(
        0, "button", text, kHelpButtonStyle, help.left, help.top, help.right - help.left,
        help.bottom - help.top, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpButtonId)), utLibraryInstance(), NULL);
    if (!button)
        return;
    ::SendMessageA(button, WM_SETFONT, ::SendMessageA(ok, WM_GETFONT, 0, 0), FALSE);
    placeAfter(button, cancel);
}
