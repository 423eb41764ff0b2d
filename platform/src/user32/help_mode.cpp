// Help mode, entered from the caption's help button, and the WM_HELP request it sends.
#include "user32/help_mode.h"

#include "user32/mouse_state.h"

namespace vks::detail {

namespace {

// Per thread, as the mode belongs to the window's own message loop on Windows.
struct HelpMode {
    HWND top = nullptr;
    HCURSOR cursorBefore = nullptr;
    bool swallowRelease = false;
};

thread_local HelpMode helpMode;

void leaveHelpMode()
{
    helpMode.top = nullptr;
    SetCursor(helpMode.cursorBefore);
}

}  // namespace

void sendHelpRequest(HWND window, HWND item, POINT mouse)
{
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(item);
    info.hItemHandle = item;
    // There are no context help ids here (no call sets one), so each reads 0.
    info.dwContextId = 0;
    info.MousePos = mouse;
    SendMessageA(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void enterHelpMode(HWND top)
{
    if (!helpMode.top)
        helpMode.cursorBefore = SetCursor(LoadCursorA(nullptr, IDC_HELP));
    helpMode.top = top;
}

bool inHelpMode()
{
    if (helpMode.top && !IsWindow(helpMode.top))
        leaveHelpMode();
    return helpMode.top != nullptr;
}

bool helpModeTakesMouse(UINT message, POINT screen)
{
    if (message == WM_LBUTTONUP && helpMode.swallowRelease) {
        helpMode.swallowRelease = false;
        return true;
    }
    if (!inHelpMode() || !isButtonPress(message))
        return false;
    const HWND top = helpMode.top;
    leaveHelpMode();
    helpMode.swallowRelease = message == WM_LBUTTONDOWN;
    if (message == WM_LBUTTONDOWN)
        if (const HWND item = windowAtForHelp(top, screen))
            sendHelpRequest(item, item, screen);
    return true;
}

bool helpModeTakesKey(const MSG &msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE || !inHelpMode())
        return false;
    leaveHelpMode();
    return true;
}

}  // namespace vks::detail
