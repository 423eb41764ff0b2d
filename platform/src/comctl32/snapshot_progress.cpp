// The snapshot of a progress bar: a sunken track and the part its position covers.
#include "commctrl.h"
#include "comctl32/common_controls.h"

namespace vks::detail {

void drawProgress(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    canvas.rect(r.left, r.top, r.right - r.left, r.bottom - r.top, svgColour(GetSysColor(COLOR_BTNFACE)),
                snapshot_colour::kShadow);
    const long long low = SendMessageA(control.hwnd, PBM_GETRANGE, TRUE, 0);
    const long long high = SendMessageA(control.hwnd, PBM_GETRANGE, FALSE, 0);
    const long long position = SendMessageA(control.hwnd, PBM_GETPOS, 0, 0);
    if (high == low)
        return;
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (inner.right <= inner.left || inner.bottom <= inner.top)
        return;
    const long long done = position - low, span = high - low;
    if (control.style & PBS_VERTICAL)
        inner.top = inner.bottom - static_cast<LONG>((inner.bottom - inner.top) * done / span);
    else
        inner.right = inner.left + static_cast<LONG>((inner.right - inner.left) * done / span);
    canvas.rect(inner.left, inner.top, inner.right - inner.left, inner.bottom - inner.top,
                svgColour(GetSysColor(COLOR_HIGHLIGHT)));
}

}  // namespace vks::detail
