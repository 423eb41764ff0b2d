// The pictures of list and combo boxes in a window snapshot.
#include <string>
#include <tuple>

#include "user32/control_classes.h"
#include "user32/list_items.h"
#include "user32/snapshot_draw.h"

namespace vks::detail {

namespace {

using namespace snapshot_colour;

constexpr std::string_view kSelection = "#0a246a";
constexpr int kButtonWidth = 17;

std::string_view textColour(const ControlView &control)
{
    return control.enabled ? kText : kGrayText;
}

void downArrow(SvgCanvas &canvas, const RECT &button, std::string_view colour)
{
    const int cx = (button.left + button.right) / 2;
    const int cy = (button.top + button.bottom) / 2;
    std::string path;
    for (const auto &[command, x, y] :
         {std::tuple{"M", cx - 3, cy - 2}, {" L", cx + 4, cy - 2}, {" L", cx, cy + 2}}) {
        path += command;
        path += std::to_string(x);
        path += ' ';
        path += std::to_string(y);
    }
    path += " Z";
    canvas.path(path, colour);
}

}  // namespace

void drawListBox(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    canvas.rect(r.left, r.top, r.right - r.left, r.bottom - r.top,
                control.enabled ? kHighlight : kFace);
    canvas.edge(r, true);
    const ListItems *items = listBoxItems(control.hwnd);
    if (!items)
        return;
    const int top = static_cast<int>(SendMessageA(control.hwnd, LB_GETTOPINDEX, 0, 0));
    // Only the lines that fit inside the sunken edge are drawn.
    for (int index = top, y = r.top + 2; index < items->count(); ++index, y += kListItemHeight) {
        if (y + kListItemHeight > r.bottom - 2)
            break;
        const bool selected = listBoxItemSelected(control.hwnd, index);
        if (selected)
            canvas.rect(r.left + 2, y, r.right - r.left - 4, kListItemHeight, kSelection,
                        "none", "class=\"selected\"");
        canvas.text(r.left + 4, y + 10, snapshotText(items->at(index).text, false), "start",
                    selected ? kHighlight : textColour(control));
    }
    if (control.focused)
        canvas.focusMark({r.left + 2, r.top + 2, r.right - 2, r.bottom - 2});
}

void drawComboBox(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    canvas.rect(r.left, r.top, r.right - r.left, r.bottom - r.top,
                control.enabled ? kHighlight : kFace);
    canvas.edge(r, true);
    const RECT button{r.right - 2 - kButtonWidth, r.top + 2, r.right - 2, r.bottom - 2};
    canvas.rect(button.left, button.top, kButtonWidth, button.bottom - button.top, kFace);
    canvas.edge(button, false);
    downArrow(canvas, button, textColour(control));
    // A drop-down list shows its selection itself; a drop-down's edit child draws its own text.
    if ((control.style & 0x3) == CBS_DROPDOWNLIST)
        canvas.text(r.left + 4, (r.top + r.bottom) / 2 + 4, snapshotText(control.text, false),
                    "start", textColour(control));
    if (control.focused)
        canvas.focusMark({r.left + 3, r.top + 3, button.left - 1, r.bottom - 3});
}

}  // namespace vks::detail
