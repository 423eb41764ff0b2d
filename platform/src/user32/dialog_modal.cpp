// The modal run of every modal window, and DialogBoxIndirectParamA, DialogBoxParamA and
// EndDialog on it.
#include "user32/dialog_modal.h"

#include <limits>

#include "user32/dialog_create.h"
#include "user32/dialog_state.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

// Runs the thread's window messages until the dialog ends or is gone; 0 after WM_QUIT.
INT_PTR runDialogLoop(HWND dialog)
{
    MSG msg;
    for (;;) {
        INT_PTR result = 0;
        if (dialogEnded(dialog, result))
            return result;
        if (!IsWindow(dialog))
            return 0;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The outer loop must still see the quit request.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return 0;
        }
        if (got == -1)
            return 0;
        if (!msg.hwnd) {
            // As in Windows' modal loops: a thread timer's procedure runs, any other thread
            // message is dropped (DispatchMessageA does both).
            DispatchMessageA(&msg);
            continue;
        }
        // The dialog's keyboard first, as in every modal dialog's loop.
        if (IsDialogMessageA(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The owners a modal window disables: those that are enabled, to be enabled again.
std::vector<HWND> disableOwners(const std::vector<HWND> &owners)
{
    std::vector<HWND> disabled;
    for (HWND owner : owners)
        if (owner && IsWindow(owner) && IsWindowEnabled(owner)) {
            EnableWindow(owner, FALSE);
            disabled.push_back(owner);
        }
    return disabled;
}

}  // namespace

INT_PTR vks::detail::runModalWindow(const std::vector<HWND> &owners,
                                    const std::function<HWND()> &create,
                                    const std::function<void(HWND)> &show)
{
    const std::vector<HWND> disabled = disableOwners(owners);
    const HWND window = create();
    INT_PTR result = -1;
    if (window && !dialogEnded(window, result)) {
        if (show)
            show(window);
        else
            ShowWindow(window, SW_SHOWNORMAL);
        result = runDialogLoop(window);
    }
    for (HWND owner : disabled)
        EnableWindow(owner, TRUE);
    if (window && IsWindow(window))
        DestroyWindow(window);
    return result;
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<INT_PTR>(-1, [&]() -> INT_PTR {
        return runModalWindow({hWndParent}, [&] {
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
        return runModalWindow({hWndParent}, [&] {
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
