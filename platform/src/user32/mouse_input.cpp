// Mouse messages as a user's mouse makes them: VksHostMouseButton, and the delivery shared with
// cursor moves.
#include "user32/help_mode.h"
#include "user32/mouse_state.h"
#include "user32/window_state.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "windows.h"

using namespace vks::detail;

namespace {

bool isButtonMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

// A press in a window other than the active one asks it (and, through DefWindowProcA, its
// parents) whether to activate; true when the click is to be eaten.
bool mouseActivate(const MouseTarget &target, UINT message)
{
    if (target.hit == HTERROR || target.hwnd == GetActiveWindow())
        return false;
    const LRESULT answer = SendMessageA(target.hwnd, WM_MOUSEACTIVATE,
                                        reinterpret_cast<WPARAM>(target.top),
                                        MAKELPARAM(target.hit, message));
    switch (answer) {
    case MA_NOACTIVATE:
        return false;
    case MA_NOACTIVATEANDEAT:
        return true;
    default:
        if (GetActiveWindow() != target.top)
            activateWindow(target.top, WA_CLICKACTIVE);
        return answer == MA_ACTIVATEANDEAT;
    }
}

}  // namespace

namespace vks::detail {

void deliverMouseMessage(const MouseTarget &target, UINT message, POINT screen)
{
    const WPARAM buttons = buttonStateAfter(message);
    if (!captureWindow())
        SendMessageA(target.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(target.hwnd),
                     MAKELPARAM(target.hit, message));
    if (target.hit == HTERROR || !IsWindow(target.hwnd))
        return;
    const POINT client = screenToClientPoint(target.hwnd, screen);
    PostMessageA(target.hwnd, message, buttons, MAKELPARAM(client.x, client.y));
}

}  // namespace vks::detail

BOOL VksHostMouseButton(int x, int y, UINT message)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!isButtonMessage(message)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        // The button is pressed where the cursor now is; getting there is no move of its own.
        const POINT screen = placeCursor({x, y});
        if (helpModeTakesMouse(message, screen))
            return TRUE;
        const std::optional<MouseTarget> target = mouseTargetAt(screen);
        if (!target)
            return FALSE;
        if (isButtonPress(message) && mouseActivate(*target, message)) {
            buttonStateAfter(message);
            return TRUE;
        }
        deliverMouseMessage(*target, message, screen);
        return TRUE;
    });
}
