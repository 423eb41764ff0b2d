// DialogBoxIndirectParamA, DialogBoxParamA and EndDialog: the modal run of a dialog.
#include <limits>

#include "user32/dialog_create.h"
#include "user32/dialog_state.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// Disables the owner for the run, shows the dialog and runs it; enables the owner again before
// the dialog goes, so that activation returns to it.
INT_PTR runModal(HWND dialog, HWND owner)
{
    if (!dialog)
        return -1;
    const bool disabledOwner = owner && IsWindowEnabled(owner);
    if (disabledOwner)
        EnableWindow(owner, FALSE);
    INT_PTR result = 0;
    if (!dialogEnded(dialog, result)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        result = runDialogLoop(dialog);
    }
    if (disabledOwner)
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog))
        DestroyWindow(dialog);
    forgetDialog(dialog);
    return result;
}

}  // namespace

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<INT_PTR>(-1, [&]() -> INT_PTR {
        const HWND dialog = createDialogFromTemplate(
            hInstance, hDialogTemplate, std::numeric_limits<std::size_t>::max(), hWndParent,
            lpDialogFunc, dwInitParam);
        return runModal(dialog, hWndParent);
    });
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<INT_PTR>(-1, [&]() -> INT_PTR {
        const HWND dialog = createDialogFromResource(hInstance, lpTemplateName, hWndParent,
                                                     lpDialogFunc, dwInitParam);
        return runModal(dialog, hWndParent);
    });
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!endDialog(hDlg, nResult)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        return TRUE;
    });
}
