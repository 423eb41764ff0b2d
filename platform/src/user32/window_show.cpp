// ShowWindow, IsWindowVisible and the system commands of the default window procedure.
#include <mutex>
#include <optional>

#include "user32/help_mode.h"
#include "user32/paint_state.h"
#include "user32/size_state.h"
#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// What one show command asks for.
struct ShowCommand {
    bool show;
    bool activate;
    std::optional<SizeState> state;  // empty: the state stays
};

std::optional<ShowCommand> decode(int command)
{
    switch (command) {
    case SW_HIDE:
        return ShowCommand{false, false, std::nullopt};
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        return ShowCommand{true, true, SizeState::Normal};
    case SW_SHOWMINIMIZED:
        return ShowCommand{true, true, SizeState::Minimized};
    case SW_SHOWMAXIMIZED:
        return ShowCommand{true, true, SizeState::Maximized};
    case SW_SHOWNOACTIVATE:
        return ShowCommand{true, false, SizeState::Normal};
    case SW_SHOW:
        return ShowCommand{true, true, std::nullopt};
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        return ShowCommand{true, false, SizeState::Minimized};
    case SW_SHOWNA:
        return ShowCommand{true, false, std::nullopt};
    default:
        return std::nullopt;
    }
}

struct ShowStart {
    bool wasVisible;
    bool stateChanged;
    bool topLevel;
};

// Applies the size state at once (the window is not drawn, so nothing is seen before the
// visibility changes). Empty when hwnd is no window.
std::optional<ShowStart> beginShow(HWND hwnd, int command, const ShowCommand &show)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    WindowRecord *record = table.find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return std::nullopt;
    }
    std::optional<SizeState> state = show.state;
    // A window minimised from maximised is restored to maximised.
    if (command == SW_RESTORE && sizeStateOf(*record) == SizeState::Minimized &&
        record->restoreToMaximized)
        state = SizeState::Maximized;
    const bool changed = state && changeSizeState(table, *record, *state);
    return ShowStart{(record->style & WS_VISIBLE) != 0, changed, !(record->style & WS_CHILD)};
}

void setVisibleBit(HWND hwnd, bool visible)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    if (WindowRecord *record = table.find(hwnd)) {
        if (visible)
            record->style |= WS_VISIBLE;
        else
            record->style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
}

void raise(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    table.bringToTop(hwnd);
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        const std::optional<ShowCommand> show = decode(nCmdShow);
        const std::optional<ShowStart> start =
            beginShow(hWnd, nCmdShow, show.value_or(ShowCommand{true, false, std::nullopt}));
        if (!start)
            return FALSE;
        const BOOL wasVisible = start->wasVisible ? TRUE : FALSE;
        if (!show)
            return wasVisible;
        // Like Windows: a change of size state, and maximising, go without WM_SHOWWINDOW.
        if (show->show != start->wasVisible && !start->stateChanged &&
            nCmdShow != SW_SHOWMAXIMIZED)
            SendMessageA(hWnd, WM_SHOWWINDOW, show->show ? TRUE : FALSE, 0);
        if (!IsWindow(hWnd))
            return wasVisible;
        setVisibleBit(hWnd, show->show);
        if (!show->show) {
            if (start->wasVisible)
                exposeHiddenWindow(hWnd);
            passActivationFrom(hWnd);
            releaseFocusFrom(hWnd, false);
            return wasVisible;
        }
        if (!start->wasVisible)
            exposeShownWindow(hWnd);
        if (start->topLevel) {
            raise(hWnd);
            if (show->activate && IsWindowEnabled(hWnd))
                activateWindow(hWnd);
        }
        return wasVisible;
    });
}

BOOL WINAPI IsWindowVisible(HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        for (const WindowRecord *record = table.find(hWnd); record;
             record = record->parent ? table.find(record->parent) : nullptr)
            if (!(record->style & WS_VISIBLE))
                return FALSE;
        return table.find(hWnd) ? TRUE : FALSE;
    });
}

namespace vks::detail {

LRESULT defaultSysCommand(HWND hwnd, WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        break;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        break;
    case SC_CLOSE:
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_CONTEXTHELP:
        enterHelpMode(hwnd);
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace vks::detail
