// Window text, kept in the window's record.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "user32/window_text.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace vks::detail {

std::optional<std::string> storedText(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    return record ? std::optional<std::string>(record->text) : std::nullopt;
}

bool storeText(HWND hwnd, LPCSTR text)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record)
        return false;
    record->text = text ? text : "";
    return true;
}

int copyText(const std::string &text, LPSTR buffer, WPARAM size)
{
    if (!buffer || size == 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

}  // namespace vks::detail

namespace {

bool ofCallingThread(HWND hwnd)
{
    return threadOfWindow(hwnd) == GetCurrentThreadId();
}

}  // namespace

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        if (!ofCallingThread(hWnd))
            return storeText(hWnd, lpString) ? TRUE : FALSE;
        return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
    });
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (!lpString || nMaxCount <= 0)
            return 0;
        if (!ofCallingThread(hWnd))
            return copyText(storedText(hWnd).value_or(""), lpString, static_cast<WPARAM>(nMaxCount));
        lpString[0] = '\0';
        // A window procedure answering WM_GETTEXT itself is held to the buffer's size.
        const LRESULT copied = SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                            reinterpret_cast<LPARAM>(lpString));
        lpString[nMaxCount - 1] = '\0';
        return static_cast<int>(std::clamp<LRESULT>(copied, 0, nMaxCount - 1));
    });
}

int WINAPI GetWindowTextLengthA(HWND hWnd)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        if (!ofCallingThread(hWnd))
            return static_cast<int>(storedText(hWnd).value_or("").size());
        return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
    });
}
