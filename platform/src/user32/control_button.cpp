// The "Button" control: push buttons, their default look and their click.
#include "user32/control_classes.h"
#include "user32/window_font.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

// The first extra LONG: non-zero while the mouse button is down on the control.
constexpr int kPressedIndex = 0;

UINT buttonType(HWND button)
{
    return static_cast<UINT>(GetWindowLongA(button, GWL_STYLE)) & BS_TYPEMASK;
}

LRESULT dialogCode(HWND button)
{
    switch (buttonType(button)) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

// Only the type changes; the other style bits stay as they are.
void setType(HWND button, WPARAM style)
{
    const auto current = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    const DWORD type = static_cast<DWORD>(style) & BS_TYPEMASK;
    SetWindowLongA(button, GWL_STYLE, static_cast<LONG>((current & ~DWORD{BS_TYPEMASK}) | type));
}

void press(HWND button)
{
    SetWindowLongA(button, kPressedIndex, 1);
}

void release(HWND button)
{
    const bool wasPressed = SetWindowLongA(button, kPressedIndex, 0) != 0;
    if (wasPressed && buttonType(button) != BS_GROUPBOX)
        notifyParent(button, BN_CLICKED);
}

}  // namespace

LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        if (LRESULT answer = 0; answerFontMessage(hwnd, message, wParam, lParam, answer))
            return answer;
        switch (message) {
        case WM_GETDLGCODE:
            return dialogCode(hwnd);
        case BM_SETSTYLE:
            setType(hwnd, wParam);
            return 0;
        case BM_CLICK:
            // Sent as mouse messages, so a subclass sees the click as the mouse's; a disabled
            // button is not clicked, whoever asks.
            if (IsWindowEnabled(hwnd)) {
                SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
                SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
            }
            return 0;
        case WM_LBUTTONDOWN:
            press(hwnd);
            return 0;
        case WM_LBUTTONUP:
            release(hwnd);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    });
}

}  // namespace vks::detail
