// GetDlgItem and the calls that reach a dialog item by its identifier.
#include <mutex>

#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *dialog = table.find(hDlg);
        if (!dialog) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        // Direct children only, in Z-order; identifiers compare as the 32-bit value the call takes.
        for (HWND child : dialog->children)
            if (static_cast<int>(table.find(child)->id) == nIDDlgItem)
                return child;
        SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
        return nullptr;
    });
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        const HWND item = GetDlgItem(hDlg, nIDDlgItem);
        return item ? SendMessageA(item, Msg, wParam, lParam) : 0;
    });
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const HWND item = GetDlgItem(hDlg, nIDDlgItem);
        return item ? SetWindowTextA(item, lpString) : FALSE;
    });
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax)
{
    return vks::atWin32Boundary<UINT>(0, [&]() -> UINT {
        const HWND item = GetDlgItem(hDlg, nIDDlgItem);
        if (!item) {
            // Like Windows: the buffer still comes back as an empty text.
            if (lpString && cchMax > 0)
                lpString[0] = '\0';
            return 0;
        }
        return static_cast<UINT>(GetWindowTextA(item, lpString, cchMax));
    });
}
