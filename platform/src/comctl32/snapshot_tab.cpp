// The tab control in window snapshots: the row of tabs over a raised pane, the selected tab
// standing out and open onto the pane.
#include "commctrl.h"
#include "comctl32/common_controls.h"

namespace vks::detail {

namespace {

using namespace snapshot_colour;

std::string itemText(HWND control, int index)
{
    char text[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(control, TCM_GETITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

RECT itemRect(const ControlView &control, int index)
{
    RECT item{};
    SendMessageA(control.hwnd, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return {control.rect.left + item.left, control.rect.top + item.top,
            control.rect.left + item.right, control.rect.top + item.bottom};
}

void drawTab(SvgCanvas &canvas, const RECT &tab, const std::string &text, bool selected)
{
    // The selected tab is two pixels taller and covers the pane's top edge below it.
    const RECT r = selected ? RECT{tab.left - 2, tab.top, tab.right + 2, tab.bottom + 1}
                            : RECT{tab.left, tab.top + 2, tab.right, tab.bottom};
    canvas.rect(r.left, r.top, r.right - r.left, r.bottom - r.top, kFace);
    canvas.line(r.left, r.bottom, r.left, r.top, kHighlight);
    canvas.line(r.left, r.top, r.right - 1, r.top, kHighlight);
    canvas.line(r.right - 1, r.top, r.right - 1, r.bottom, kDarkShadow);
    canvas.text((r.left + r.right) / 2, r.top + 14, snapshotText(text, true), "middle", kText);
}

}  // namespace

void drawTabControl(SvgCanvas &canvas, const ControlView &control)
{
    const auto count = static_cast<int>(SendMessageA(control.hwnd, TCM_GETITEMCOUNT, 0, 0));
    const auto selected = static_cast<int>(SendMessageA(control.hwnd, TCM_GETCURSEL, 0, 0));
    int paneTop = control.rect.top;
    if (count > 0)
        paneTop = itemRect(control, 0).bottom;
    const RECT pane{control.rect.left, paneTop, control.rect.right, control.rect.bottom};
    canvas.edge(pane, false);
    for (int i = 0; i < count; ++i)
        if (i != selected)
            drawTab(canvas, itemRect(control, i), itemText(control.hwnd, i), false);
    if (selected >= 0 && selected < count)
        drawTab(canvas, itemRect(control, selected), itemText(control.hwnd, selected), true);
    if (control.focused && selected >= 0 && selected < count) {
        const RECT focus = itemRect(control, selected);
        canvas.focusMark({focus.left + 2, focus.top + 2, focus.right - 2, focus.bottom - 2});
    }
}

}  // namespace vks::detail
