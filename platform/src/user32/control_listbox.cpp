// The "ListBox" control: its items, single or multiple selection, searches, and the
// notifications a user's click or arrow key sends.
#include "user32/control_classes.h"
#include "user32/window_font.h"
#include "user32/list_items.h"
#include "vksboundary.h"

#include <algorithm>

namespace vks::detail {

namespace {

struct ListBoxState {
    ListItems items;
    int current = -1;  // the selected item of a single-selection box
    int caret = 0;     // the focused item of a multiple-selection box
    int top = 0;
};

ListBoxState &state(HWND box)
{
    thread_local ListBoxState detached;  // only before WM_NCCREATE or after WM_NCDESTROY
    ListBoxState *attached = controlState<ListBoxState>(box);
    return attached ? *attached : detached;
}

DWORD style(HWND box)
{
    return static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
}

bool multiple(HWND box)
{
    return (style(box) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void notifyIfAsked(HWND box, WORD code)
{
    if (style(box) & LBS_NOTIFY)
        notifyParent(box, code);
}

void changed(HWND box)
{
    InvalidateRect(box, nullptr, TRUE);
}

LRESULT insertItem(HWND box, int position, LPARAM text)
{
    const int placed = state(box).items.insert(position, reinterpret_cast<const char *>(text));
    if (placed == LB_ERRSPACE) {
        notifyParent(box, static_cast<WORD>(LBN_ERRSPACE));
        return LB_ERRSPACE;
    }
    if (placed < 0)
        return LB_ERR;
    ListBoxState &s = state(box);
    if (s.current >= placed)
        ++s.current;
    changed(box);
    return placed;
}

LRESULT addItem(HWND box, LPARAM text)
{
    const bool sorted = (style(box) & LBS_SORT) != 0;
    const int position = state(box).items.addPosition(reinterpret_cast<const char *>(text), sorted);
    return insertItem(box, position, text);
}

LRESULT deleteItem(HWND box, WPARAM index)
{
    ListBoxState &s = state(box);
    const int left = s.items.erase(index);
    if (left < 0)
        return LB_ERR;
    const int removed = static_cast<int>(index);
    if (s.current == removed)
        s.current = -1;
    else if (s.current > removed)
        --s.current;
    s.caret = std::clamp(s.caret, 0, std::max(0, left - 1));
    s.top = std::clamp(s.top, 0, std::max(0, left - 1));
    changed(box);
    return left;
}

void resetContent(HWND box)
{
    ListBoxState &s = state(box);
    s.items.clear();
    s.current = -1;
    s.caret = 0;
    s.top = 0;
    changed(box);
}

// Single selection: -1 clears it. The answer is the item now selected (LB_ERR when none).
LRESULT setCurrent(HWND box, WPARAM index)
{
    if (multiple(box))
        return LB_ERR;
    ListBoxState &s = state(box);
    const int wanted = static_cast<int>(index);
    if (wanted < -1 || wanted >= s.items.count())
        return LB_ERR;
    s.current = wanted;
    if (wanted >= 0)
        s.caret = wanted;
    changed(box);
    return s.current;
}

LRESULT getCurrent(HWND box)
{
    const ListBoxState &s = state(box);
    // A multiple-selection box answers with its focused item.
    if (multiple(box))
        return s.items.count() ? s.caret : LB_ERR;
    return s.current;
}

LRESULT isSelected(HWND box, WPARAM index)
{
    const ListBoxState &s = state(box);
    if (!s.items.valid(index))
        return LB_ERR;
    if (multiple(box))
        return s.items.at(index).selected ? 1 : 0;
    return static_cast<int>(index) == s.current ? 1 : 0;
}

// Multiple selection only; index -1 is every item.
LRESULT setSelected(HWND box, WPARAM on, LPARAM index)
{
    if (!multiple(box))
        return LB_ERR;
    ListBoxState &s = state(box);
    const int wanted = static_cast<int>(index);
    if (wanted < -1 || wanted >= s.items.count())
        return LB_ERR;
    for (int i = 0; i < s.items.count(); ++i)
        if (wanted == -1 || i == wanted)
            s.items.at(i).selected = on != 0;
    if (wanted >= 0)
        s.caret = wanted;
    changed(box);
    return LB_OKAY;
}

LRESULT selectedCount(HWND box)
{
    if (!multiple(box))
        return LB_ERR;
    const ListBoxState &s = state(box);
    int selected = 0;
    for (int i = 0; i < s.items.count(); ++i)
        selected += s.items.at(i).selected ? 1 : 0;
    return selected;
}

LRESULT selectedItems(HWND box, WPARAM room, LPARAM out)
{
    if (!multiple(box))
        return LB_ERR;
    const ListBoxState &s = state(box);
    auto *indexes = reinterpret_cast<int *>(out);
    if (!indexes)
        return room ? LB_ERR : 0;
    int copied = 0;
    for (int i = 0; i < s.items.count() && copied < static_cast<int>(room); ++i)
        if (s.items.at(i).selected)
            indexes[copied++] = i;
    return copied;
}

LRESULT selectString(HWND box, WPARAM start, LPARAM text)
{
    const int found = state(box).items.find(start, reinterpret_cast<const char *>(text), false);
    if (found < 0)
        return LB_ERR;
    if (multiple(box)) {
        state(box).caret = found;
        return found;
    }
    return setCurrent(box, static_cast<WPARAM>(found));
}

LRESULT setItemData(HWND box, WPARAM index, LPARAM data)
{
    ListBoxState &s = state(box);
    if (!s.items.valid(index))
        return LB_ERR;
    s.items.at(index).data = data;
    return TRUE;
}

LRESULT setTop(HWND box, WPARAM index)
{
    ListBoxState &s = state(box);
    if (!s.items.valid(index) && !(index == 0 && s.items.count() == 0))
        return LB_ERR;
    s.top = static_cast<int>(index);
    changed(box);
    return LB_OKAY;
}

// What a user's choice of an item does: a single-selection box selects it, a multiple one
// toggles it (LBS_MULTIPLESEL) or makes it the only one (LBS_EXTENDEDSEL).
void userChoose(HWND box, int index)
{
    ListBoxState &s = state(box);
    if (index < 0 || index >= s.items.count())
        return;
    if (!multiple(box)) {
        if (index == s.current)
            return;
        setCurrent(box, static_cast<WPARAM>(index));
    } else if (style(box) & LBS_MULTIPLESEL) {
        s.items.at(index).selected = !s.items.at(index).selected;
        s.caret = index;
    } else {
        for (int i = 0; i < s.items.count(); ++i)
            s.items.at(i).selected = i == index;
        s.caret = index;
    }
    changed(box);
    notifyIfAsked(box, LBN_SELCHANGE);
}

void click(HWND box, LPARAM point)
{
    if (GetFocus() != box)
        SetFocus(box);
    const int y = static_cast<short>(HIWORD(point));
    if (y < 0)
        return;
    userChoose(box, state(box).top + y / listItemHeight(box));
}

void arrowKey(HWND box, WPARAM key)
{
    const ListBoxState &s = state(box);
    const int from = multiple(box) ? s.caret : s.current;
    if (key == VK_DOWN)
        userChoose(box, from < 0 ? 0 : from + 1);
    else if (key == VK_UP && from > 0)
        userChoose(box, from - 1);
}

LRESULT listBoxMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ListBoxState &s = state(hwnd);
    switch (message) {
    case LB_ADDSTRING:
        return addItem(hwnd, lParam);
    case LB_INSERTSTRING:
        return insertItem(hwnd, static_cast<int>(wParam), lParam);
    case LB_DELETESTRING:
        return deleteItem(hwnd, wParam);
    case LB_RESETCONTENT:
        resetContent(hwnd);
        return 0;
    case LB_GETCOUNT:
        return s.items.count();
    case LB_GETTEXT:
        return s.items.copyText(wParam, lParam);
    case LB_GETTEXTLEN:
        return s.items.textLength(wParam);
    case LB_GETITEMDATA:
        return s.items.valid(wParam) ? s.items.at(wParam).data : LB_ERR;
    case LB_SETITEMDATA:
        return setItemData(hwnd, wParam, lParam);
    case LB_FINDSTRING:
        return s.items.find(wParam, reinterpret_cast<const char *>(lParam), false);
    case LB_FINDSTRINGEXACT:
        return s.items.find(wParam, reinterpret_cast<const char *>(lParam), true);
    case LB_SELECTSTRING:
        return selectString(hwnd, wParam, lParam);
    case LB_GETCURSEL:
        return getCurrent(hwnd);
    case LB_SETCURSEL:
        return setCurrent(hwnd, wParam);
    case LB_GETSEL:
        return isSelected(hwnd, wParam);
    case LB_SETSEL:
        return setSelected(hwnd, wParam, lParam);
    case LB_GETSELCOUNT:
        return selectedCount(hwnd);
    case LB_GETSELITEMS:
        return selectedItems(hwnd, wParam, lParam);
    case LB_GETITEMHEIGHT:
        return listItemHeight(hwnd);
    case LB_GETTOPINDEX:
        return s.top;
    case LB_SETTOPINDEX:
        return setTop(hwnd, wParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

const ListItems *listBoxItems(HWND box)
{
    const ListBoxState *attached = controlState<ListBoxState>(box);
    return attached ? &attached->items : nullptr;
}

bool listBoxItemSelected(HWND box, int index)
{
    return isSelected(box, static_cast<WPARAM>(index)) == 1;
}

LRESULT CALLBACK listBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(LB_ERRSPACE, [&]() -> LRESULT {
        if (LRESULT answer = 0; answerFontMessage(hwnd, message, wParam, lParam, answer))
            return answer;
        switch (message) {
        case WM_NCCREATE:
            attachControlState<ListBoxState>(hwnd);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_NCDESTROY:
            detachControlState<ListBoxState>(hwnd);
            return 0;
        case WM_LBUTTONDOWN:
            click(hwnd, lParam);
            return 0;
        case WM_KEYDOWN:
            arrowKey(hwnd, wParam);
            return 0;
        case WM_SETFOCUS:
            notifyIfAsked(hwnd, LBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyIfAsked(hwnd, LBN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            return listBoxMessage(hwnd, message, wParam, lParam);
        }
    });
}

}  // namespace vks::detail
