// DialogBoxIndirectParamA, DialogBoxParamA and EndDialog: the modal run of a dialog.
#include <limits>

#include "user32/dialog_create.h"
#include "user32/dialog_state.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// As Windows does, the owner is disabled before the dialog is made, so that WM_INITDIALOG already
// sees it disabled; it is enabled again before the dialog goes, so that activation returns to it.
template <typename Create>
INT_PTR runModal(HWND owner, Create create)
{
    const bool disabledOwner = owner && IsWindow(owner) && IsWindowEnabled(owner);
    if (disabledOwner)
        EnableWindow(owner, FALSE);
    const HWND dialog = create();
    INT_PTR result = -1;
    if (dialog && !dialogEnded(dialog, result)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        result = runDialogLoop(dialog);
    }
    if (disabledOwner)
        EnableWindow(owner, TRUE);
    if (dialog && IsWindow(dialog))
        DestroyWindow(dialog);
    return result;
}

}  // namespace

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<INT_PTR>(-1, [&]() -> INT_PTR {
        return runModal(hWndParent, [&] {
            return createDialogFromTemplate(hInstance, hDialogTemplate,
                                            std::numeric_limits<std::size_t>::max(), hWndParent,
                                            lpDialogFunc, dwInitParam);
        });
    });
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<INT_PTR>(-1, [&]() -> INT_PTR {
        return runModal(hWndParent, [&] {
            return createDialogFromResource(hInstance, lpTemplateName, hWndParent, lpDialogFunc,
                                            dwInitParam);
        });
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
