// The progress bar: a position in a range, painted as a filled part of its track.
#include "commctrl.h"
#include "comctl32/common_controls.h"
#include "user32/control_state.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

struct ProgressState {
    int low = 0;
    int high = 100;
    int position = 0;
    int step = 10;
};

ProgressState &state(HWND bar)
{
    thread_local ProgressState detached;  // only before WM_NCCREATE or after WM_NCDESTROY
    ProgressState *attached = controlState<ProgressState>(bar);
    return attached ? *attached : detached;
}

// Low end first, then the high one, so an inverted range settles on its high end.
int keptInRange(const ProgressState &s, int value)
{
    if (value < s.low)
        value = s.low;
    if (value > s.high)
        value = s.high;
    return value;
}

LRESULT packedRange(const ProgressState &s)
{
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(s.low, s.high)));
}

LRESULT setRange(HWND bar, int low, int high)
{
    ProgressState &s = state(bar);
    const LRESULT previous = packedRange(s);
    if (s.low == low && s.high == high)
        return previous;
    s.low = low;
    s.high = high;
    s.position = keptInRange(s, s.position);
    InvalidateRect(bar, nullptr, TRUE);
    return previous;
}

// A bar that shrinks must clear what it covered; one that grows only paints over the track.
LRESULT moveTo(HWND bar, int position)
{
    ProgressState &s = state(bar);
    const int previous = s.position;
    s.position = keptInRange(s, position);
    if (s.position != previous) {
        InvalidateRect(bar, nullptr, s.position < previous);
        UpdateWindow(bar);
    }
    return previous;
}

int stepped(const ProgressState &s)
{
    if (s.low == s.high)
        return s.low;
    const long long span = static_cast<long long>(s.high) - s.low;
    long long next = static_cast<long long>(s.position) + s.step;
    if (next > s.high)
        next = (next - s.low) % span + s.low;
    if (next < s.low)
        next = (next - s.low) % span + s.high;
    return static_cast<int>(next);
}

LRESULT getRange(HWND bar, WPARAM wantLow, LPARAM range)
{
    const ProgressState &s = state(bar);
    if (auto *out = reinterpret_cast<PBRANGE *>(range)) {
        out->iLow = s.low;
        out->iHigh = s.high;
    }
    return wantLow ? s.low : s.high;
}

// The part of the client area the position covers.
RECT filledPart(HWND bar, const RECT &client)
{
    const ProgressState &s = state(bar);
    if (s.high == s.low)
        return {};
    const long long done = static_cast<long long>(s.position) - s.low;
    const long long span = static_cast<long long>(s.high) - s.low;
    RECT part = client;
    if (GetWindowLongA(bar, GWL_STYLE) & PBS_VERTICAL)
        part.top = client.bottom - static_cast<LONG>((client.bottom - client.top) * done / span);
    else
        part.right = client.left + static_cast<LONG>((client.right - client.left) * done / span);
    return part;
}

void paint(HWND bar)
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(bar, &ps);
    RECT client{};
    GetClientRect(bar, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const RECT part = filledPart(bar, client);
    FillRect(dc, &part, GetSysColorBrush(COLOR_HIGHLIGHT));
    EndPaint(bar, &ps);
}

}  // namespace

LRESULT CALLBACK progressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        switch (message) {
        case WM_NCCREATE:
            attachControlState<ProgressState>(hwnd);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_NCDESTROY:
            detachControlState<ProgressState>(hwnd);
            return 0;
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case PBM_SETRANGE:
            return setRange(hwnd, LOWORD(lParam), HIWORD(lParam));
        case PBM_SETRANGE32:
            return setRange(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
        case PBM_GETRANGE:
            return getRange(hwnd, wParam, lParam);
        case PBM_SETPOS:
            return moveTo(hwnd, static_cast<int>(wParam));
        case PBM_DELTAPOS:
            return moveTo(hwnd, state(hwnd).position + static_cast<int>(wParam));
        case PBM_GETPOS:
            return state(hwnd).position;
        case PBM_SETSTEP: {
            const int previous = state(hwnd).step;
            state(hwnd).step = static_cast<int>(wParam);
            return previous;
        }
        case PBM_STEPIT:
            return moveTo(hwnd, stepped(state(hwnd)));
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    });
}

}  // namespace vks::detail
