// The up-down control in window snapshots: two raised halves, each with its arrow.
#include <string>

#include "comctl32/common_controls.h"
#include "commctrl.h"

namespace vks::detail {

namespace {

using namespace snapshot_colour;

enum class Pointing { Up, Down, Left, Right };

void arrow(SvgCanvas &canvas, const RECT &half, Pointing pointing, std::string_view colour)
{
    const int cx = (half.left + half.right) / 2;
    const int cy = (half.top + half.bottom) / 2;
    const auto at = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
    std::string d;
    switch (pointing) {
    case Pointing::Up:
        d = "M" + at(cx - 3, cy + 2) + " L" + at(cx + 4, cy + 2) + " L" + at(cx, cy - 2);
        break;
    case Pointing::Down:
        d = "M" + at(cx - 3, cy - 2) + " L" + at(cx + 4, cy - 2) + " L" + at(cx, cy + 2);
        break;
    case Pointing::Left:
        d = "M" + at(cx + 2, cy - 3) + " L" + at(cx + 2, cy + 4) + " L" + at(cx - 2, cy);
        break;
    case Pointing::Right:
        d = "M" + at(cx - 2, cy - 3) + " L" + at(cx - 2, cy + 4) + " L" + at(cx + 2, cy);
        break;
    }
    canvas.path(d + " Z", colour);
}

}  // namespace

void drawUpDown(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    const bool across = (control.style & UDS_HORZ) != 0;
    const RECT first = across ? RECT{r.left, r.top, (r.left + r.right) / 2, r.bottom}
                              : RECT{r.left, r.top, r.right, (r.top + r.bottom) / 2};
    const RECT second = across ? RECT{first.right, r.top, r.right, r.bottom}
                               : RECT{r.left, first.bottom, r.right, r.bottom};
    const std::string_view colour = control.enabled ? kText : kGrayText;
    for (const RECT &half : {first, second}) {
        canvas.rect(half.left, half.top, half.right - half.left, half.bottom - half.top, kFace);
        canvas.edge(half, false);
    }
    arrow(canvas, first, across ? Pointing::Left : Pointing::Up, colour);
    arrow(canvas, second, across ? Pointing::Right : Pointing::Down, colour);
}

}  // namespace vks::detail
