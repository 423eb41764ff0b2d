// The up-down control: a position in a range, stepped by its arrows, shown in its buddy.
#include "commctrl.h"
#include "comctl32/common_controls.h"
#include "user32/control_state.h"
#include "vksboundary.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

namespace vks::detail {

namespace {

struct UpDownState {
    int lower = 100;  // the range starts inverted, as on Windows
    int upper = 0;
    int position = 0;
    HWND buddy = nullptr;
    bool pressed = false;
    bool buddyInt = false;  // UDS_SETBUDDYINT counts as it was at creation only
    int base = 10;          // 16 shows the buddy's number as 0x and four hexadecimal digits
};

UpDownState &state(HWND upDown)
{
    thread_local UpDownState detached;  // only before WM_NCCREATE or after WM_NCDESTROY
    UpDownState *attached = controlState<UpDownState>(upDown);
    return attached ? *attached : detached;
}

DWORD style(HWND upDown)
{
    return static_cast<DWORD>(GetWindowLongA(upDown, GWL_STYLE));
}

int clampToRange(const UpDownState &s, int value)
{
    return std::clamp(value, std::min(s.lower, s.upper), std::max(s.lower, s.upper));
}

int limitValue(int value)
{
    return std::clamp(value, UD_MINVAL, UD_MAXVAL);
}

void showInBuddy(HWND upDown)
{
    const UpDownState &s = state(upDown);
    if (!s.buddyInt || !s.buddy)
        return;
    // An unchanged text is not set again, so the buddy sends no change notifications.
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(s.position));
    const std::string wanted = s.base == 16 ? std::string(hex) : std::to_string(s.position);
    char shown[16] = {};
    GetWindowTextA(s.buddy, shown, sizeof shown);
    if (wanted != shown)
        SetWindowTextA(s.buddy, wanted.c_str());
}

// The buddy's text as a number in the range; false when it is none.
bool readBuddy(HWND upDown)
{
    UpDownState &s = state(upDown);
    char text[16] = {};
    const int length = GetWindowTextA(s.buddy, text, sizeof text);
    const bool hexPrefix = s.base == 16 && length > 2 && text[0] == '0' &&
                           (text[1] == 'x' || text[1] == 'X');
    const char *digits = hexPrefix ? text + 2 : text;
    int value = 0;
    const auto [end, error] = std::from_chars(digits, text + length, value, s.base);
    if (error != std::errc{} || end != text + length || length == 0 ||
        value != clampToRange(s, value))
        return false;
    s.position = value;
    return true;
}

// The error flag is set whenever the position was not read from a buddy, as on Windows; a
// position left outside a range set since is brought inside it.
LRESULT getPosition(HWND upDown)
{
    UpDownState &s = state(upDown);
    const bool read = s.buddyInt && s.buddy && readBuddy(upDown);
    s.position = clampToRange(s, s.position);
    return MAKELONG(s.position, read ? 0 : 1);
}

LRESULT setPosition(HWND upDown, LPARAM packed)
{
    UpDownState &s = state(upDown);
    const int previous = s.position;
    s.position = clampToRange(s, static_cast<short>(LOWORD(packed)));
    showInBuddy(upDown);
    return previous;
}

void setRange(HWND upDown, LPARAM packed)
{
    UpDownState &s = state(upDown);
    s.upper = limitValue(static_cast<short>(LOWORD(packed)));
    s.lower = limitValue(static_cast<short>(HIWORD(packed)));
}

// The 32-bit range takes its ends as they come.
void setRange32(HWND upDown, WPARAM lower, LPARAM upper)
{
    UpDownState &s = state(upDown);
    s.lower = static_cast<int>(lower);
    s.upper = static_cast<int>(upper);
}

LRESULT getRange32(HWND upDown, WPARAM lower, LPARAM upper)
{
    const UpDownState &s = state(upDown);
    if (int *lowerEnd = reinterpret_cast<int *>(lower))
        *lowerEnd = s.lower;
    if (int *upperEnd = reinterpret_cast<int *>(upper))
        *upperEnd = s.upper;
    return 0;
}

// Only 10 and 16 are bases; the buddy shows the position in the new one at once.
LRESULT setBase(HWND upDown, WPARAM base)
{
    if (base != 10 && base != 16)
        return 0;
    UpDownState &s = state(upDown);
    const int previous = s.base;
    s.base = static_cast<int>(base);
    showInBuddy(upDown);
    return previous;
}

// The position after a step; past an end it wraps with UDS_WRAP and stops at the end otherwise.
int stepped(HWND upDown, int delta)
{
    const UpDownState &s = state(upDown);
    const int low = std::min(s.lower, s.upper);
    const int high = std::max(s.lower, s.upper);
    const int wanted = s.position + delta;
    if (wanted >= low && wanted <= high)
        return wanted;
    if (style(upDown) & UDS_WRAP)
        return wanted > high ? low : high;
    return std::clamp(wanted, low, high);
}

bool onIncrementSide(HWND upDown, LPARAM point)
{
    RECT frame{};
    GetWindowRect(upDown, &frame);
    const int x = static_cast<short>(LOWORD(point));
    const int y = static_cast<short>(HIWORD(point));
    if (style(upDown) & UDS_HORZ)
        return x >= (frame.right - frame.left) / 2;
    return y < (frame.bottom - frame.top) / 2;
}

void sendScroll(HWND upDown, WORD request)
{
    const HWND parent = GetParent(upDown);
    if (!parent)
        return;
    const UINT message = (style(upDown) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
    SendMessageA(parent, message, MAKEWPARAM(request, state(upDown).position),
                 reinterpret_cast<LPARAM>(upDown));
}

// Asks the parent first; it may refuse the step or change its size.
void step(HWND upDown, bool increment)
{
    UpDownState &s = state(upDown);
    const bool inverted = s.upper < s.lower;
    NMUPDOWN request{};
    request.hdr.hwndFrom = upDown;
    request.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(upDown));
    request.hdr.code = UDN_DELTAPOS;
    request.iPos = s.position;
    request.iDelta = (increment != inverted) ? 1 : -1;
    const HWND parent = GetParent(upDown);
    const bool refused = parent && SendMessageA(parent, WM_NOTIFY, request.hdr.idFrom,
                                                reinterpret_cast<LPARAM>(&request));
    if (!refused) {
        const int next = stepped(upDown, request.iDelta);
        if (next != s.position) {
            s.position = next;
            showInBuddy(upDown);
        }
    }
    sendScroll(upDown, SB_THUMBPOSITION);
}

void press(HWND upDown, LPARAM point)
{
    state(upDown).pressed = true;
    step(upDown, onIncrementSide(upDown, point));
}

void release(HWND upDown)
{
    UpDownState &s = state(upDown);
    if (!s.pressed)
        return;
    s.pressed = false;
    sendScroll(upDown, SB_ENDSCROLL);
}

LRESULT setBuddy(HWND upDown, WPARAM buddy)
{
    UpDownState &s = state(upDown);
    const HWND previous = s.buddy;
    s.buddy = reinterpret_cast<HWND>(buddy);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

LRESULT CALLBACK upDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        switch (message) {
        case WM_NCCREATE:
            attachControlState<UpDownState>(hwnd);
            if (const auto *create = reinterpret_cast<const CREATESTRUCTA *>(lParam))
                state(hwnd).buddyInt = (create->style & UDS_SETBUDDYINT) != 0;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_NCDESTROY:
            detachControlState<UpDownState>(hwnd);
            return 0;
        case UDM_SETRANGE:
            setRange(hwnd, lParam);
            return 0;
        case UDM_GETRANGE:
            return MAKELONG(state(hwnd).upper, state(hwnd).lower);
        case UDM_SETPOS:
            return setPosition(hwnd, lParam);
        case UDM_GETPOS:
            return getPosition(hwnd);
        case UDM_SETBUDDY:
            return setBuddy(hwnd, wParam);
        case UDM_GETBUDDY:
            return reinterpret_cast<LRESULT>(state(hwnd).buddy);
        case UDM_SETRANGE32:
            setRange32(hwnd, wParam, lParam);
            return 0;
        case UDM_GETRANGE32:
            return getRange32(hwnd, wParam, lParam);
        case UDM_SETBASE:
            return setBase(hwnd, wParam);
        case UDM_GETBASE:
            return state(hwnd).base;
        case WM_LBUTTONDOWN:
            if (IsWindowEnabled(hwnd))
                press(hwnd, lParam);
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
