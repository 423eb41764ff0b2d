// GetWindowLongA / SetWindowLongA and their pointer-sized forms, and CallWindowProcA for the
// procedure a subclass replaced.
#include <cstring>
#include <optional>

#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// The field at a negative index, or the extra bytes at a non-negative one; `size` is 4 for the
// 32-bit calls and a pointer's size for the Ptr calls. Empty for an index that names nothing.
struct WindowLong {
    WindowRecord &record;
    int index;
    std::size_t size;

    std::optional<LONG_PTR> read() const VKS_REQUIRES(windowLock)
    {
        switch (index) {
        case GWL_STYLE:
            return static_cast<LONG>(record.style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(record.exStyle);
        case GWLP_ID:
            return size == sizeof(LONG) ? static_cast<LONG>(record.id) : record.id;
        case GWLP_WNDPROC:
            return pointerSized() ? std::optional(reinterpret_cast<LONG_PTR>(record.proc))
                                  : std::nullopt;
        case GWLP_HINSTANCE:
            return pointerSized() ? std::optional(reinterpret_cast<LONG_PTR>(record.instance))
                                  : std::nullopt;
        case GWLP_USERDATA:
            return pointerSized() ? std::optional(record.userData) : std::nullopt;
        default:
            return readExtra();
        }
    }

    // The previous value, or empty when the index names nothing writable.
    std::optional<LONG_PTR> write(LONG_PTR value) const VKS_REQUIRES(windowLock)
    {
        const std::optional<LONG_PTR> previous = read();
        if (!previous)
            return std::nullopt;
        switch (index) {
        case GWL_STYLE:
            record.style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            record.exStyle = static_cast<DWORD>(value);
            break;
        case GWLP_ID:
            record.id = value;
            break;
        case GWLP_WNDPROC:
            record.proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GWLP_HINSTANCE:
            record.instance = reinterpret_cast<HINSTANCE>(value);
            break;
        case GWLP_USERDATA:
            record.userData = value;
            break;
        default:
            std::memcpy(record.extraBytes.data() + index, &value, size);
            break;
        }
        return previous;
    }

    // On 64-bit Windows the 32-bit calls refuse the pointer-sized fields.
    bool pointerSized() const { return size == sizeof(LONG_PTR); }

    std::optional<LONG_PTR> readExtra() const VKS_REQUIRES(windowLock)
    {
        if (index < 0 || static_cast<std::size_t>(index) + size > record.extraBytes.size())
            return std::nullopt;
        if (size == sizeof(LONG)) {
            LONG value = 0;
            std::memcpy(&value, record.extraBytes.data() + index, sizeof value);
            return value;
        }
        LONG_PTR value = 0;
        std::memcpy(&value, record.extraBytes.data() + index, sizeof value);
        return value;
    }
};

// Reads the field, or writes `newValue` into it and answers the previous value.
LONG_PTR accessWindowLong(HWND hwnd, int index, std::size_t size,
                          std::optional<LONG_PTR> newValue = std::nullopt)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const WindowLong field{*record, index, size};
    const std::optional<LONG_PTR> value = newValue ? field.write(*newValue) : field.read();
    if (!value) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return *value;
}

}  // namespace

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex)
{
    return vks::atWin32Boundary<LONG>(0, [&]() -> LONG {
        return static_cast<LONG>(accessWindowLong(hWnd, nIndex, sizeof(LONG)));
    });
}

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong)
{
    return vks::atWin32Boundary<LONG>(0, [&]() -> LONG {
        return static_cast<LONG>(accessWindowLong(hWnd, nIndex, sizeof(LONG), dwNewLong));
    });
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex)
{
    return vks::atWin32Boundary<LONG_PTR>(0, [&]() -> LONG_PTR {
        return accessWindowLong(hWnd, nIndex, sizeof(LONG_PTR));
    });
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    return vks::atWin32Boundary<LONG_PTR>(0, [&]() -> LONG_PTR {
        return accessWindowLong(hWnd, nIndex, sizeof(LONG_PTR), dwNewLong);
    });
}

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
    });
}
