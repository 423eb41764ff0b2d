// MessageBoxA: modality, the host's answerer and the box's modal loop.
#include <string>
#include <vector>

#include "kernel32/host_hook.h"
#include "kernel32/no_destructor.h"
#include "user32/dialog_modal.h"
#include "user32/message_box_dialog.h"
#include "user32/window_table.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

using namespace vks::detail;

namespace {

using Answerer = HostHook<int(HWND, const char *, const char *, UINT)>;

Answerer &answerer()
{
    static NoDestructor<Answerer> answerer;
    return *answerer;
}

int askAnswerer(HWND owner, const std::string &text, const std::string &caption, UINT type)
{
    return answerer().call(owner, text.c_str(), caption.c_str(), type).value_or(0);
}

// The windows the box disables: its owner, or with MB_TASKMODAL and no owner the thread's
// top-level windows.
std::vector<HWND> boxOwners(HWND owner, UINT type)
{
    std::vector<HWND> owners;
    if (owner) {
        owners.push_back(owner);
    } else if (type & MB_TASKMODAL) {
        for (HWND top = FindWindowA(nullptr, nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
            if (threadOfWindow(top) == GetCurrentThreadId())
                owners.push_back(top);
    }
    return owners;
}

}  // namespace

void VksHostSetMessageBoxAnswerer(int (*answer)(HWND owner, const char *text, const char *caption,
                                                UINT style, void *context),
                                  void *context)
{
    vks::atWin32BoundaryVoid([&] { answerer().set(answer, context); });
}

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (hWnd && !IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (messageBoxButtons(uType).empty()) {
            SetLastError(ERROR_INVALID_MSGBOX_STYLE);
            return 0;
        }
        const std::string text = lpText ? lpText : "";
        const std::string caption = lpCaption ? lpCaption : "Error";
        HWND box = nullptr;
        const INT_PTR result = runModalWindow(
            boxOwners(hWnd, uType),
            [&] { return box = createMessageBoxWindow(hWnd, text, caption, uType); },
            [&](HWND shown) {
                ShowWindow(shown, SW_SHOWNORMAL);
                if (const int answer = askAnswerer(hWnd, text, caption, uType))
                    SendMessageA(shown, WM_COMMAND, static_cast<WPARAM>(answer), 0);
            });
        if (!box)
            return 0;
        forgetMessageBox(box);
        return static_cast<int>(result);
    });
}
