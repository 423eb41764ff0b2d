// The tab control ("SysTabControl32"): a row of texts, one of them selected.
#include <string>
#include <vector>

#include "commctrl.h"
#include "comctl32/common_controls.h"
#include "user32/control_state.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

// The headless manager has no fonts: tabs are as wide as their text at the dialog font's
// average width, plus a margin on each side.
constexpr int kCharWidth = 6;
constexpr int kTabMargin = 6;
constexpr int kTabHeight = 20;

struct TabState {
    std::vector<std::string> texts;
    int selected = -1;
};

TabState &tabs(HWND control)
{
    return *controlState<TabState>(control);
}

RECT itemRect(const TabState &state, int index)
{
    int left = 2;
    for (int i = 0; i < index; ++i)
        left += static_cast<int>(state.texts[static_cast<std::size_t>(i)].size()) * kCharWidth +
                2 * kTabMargin;
    const int width =
        static_cast<int>(state.texts[static_cast<std::size_t>(index)].size()) * kCharWidth +
        2 * kTabMargin;
    return {left, 0, left + width, kTabHeight};
}

bool validIndex(const TabState &state, WPARAM index)
{
    return index < state.texts.size();
}

LRESULT insertItem(TabState &state, WPARAM index, const TCITEMA *item)
{
    if (!item)
        return -1;
    const std::size_t at = index < state.texts.size() ? index : state.texts.size();
    const std::string text = (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : "";
    state.texts.insert(state.texts.begin() + static_cast<std::ptrdiff_t>(at), text);
    if (state.selected >= static_cast<int>(at))
        ++state.selected;
    return static_cast<LRESULT>(at);
}

LRESULT deleteItem(TabState &state, WPARAM index)
{
    if (!validIndex(state, index))
        return FALSE;
    state.texts.erase(state.texts.begin() + static_cast<std::ptrdiff_t>(index));
    if (state.selected == static_cast<int>(index))
        state.selected = -1;
    else if (state.selected > static_cast<int>(index))
        --state.selected;
    return TRUE;
}

LRESULT getItem(const TabState &state, WPARAM index, TCITEMA *item)
{
    if (!item || !validIndex(state, index))
        return FALSE;
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        const std::string &text = state.texts[index];
        const std::size_t room = static_cast<std::size_t>(item->cchTextMax) - 1;
        const std::size_t count = text.size() < room ? text.size() : room;
        text.copy(item->pszText, count);
        item->pszText[count] = '\0';
    }
    return TRUE;
}

LRESULT setCurrent(TabState &state, WPARAM index)
{
    if (!validIndex(state, index))
        return -1;
    const int previous = state.selected;
    state.selected = static_cast<int>(index);
    return previous;
}

LRESULT notify(HWND control, UINT code)
{
    NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    return SendMessageA(GetParent(control), WM_NOTIFY, header.idFrom,
                        reinterpret_cast<LPARAM>(&header));
}

void click(HWND control, LPARAM at)
{
    TabState &state = tabs(control);
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    for (std::size_t i = 0; i < state.texts.size(); ++i) {
        const RECT rect = itemRect(state, static_cast<int>(i));
        if (!PtInRect(&rect, point))
            continue;
        if (static_cast<int>(i) == state.selected || notify(control, TCN_SELCHANGING))
            return;
        // The parent may have removed tabs meanwhile.
        TabState &now = tabs(control);
        if (!validIndex(now, i))
            return;
        now.selected = static_cast<int>(i);
        InvalidateRect(control, nullptr, TRUE);
        notify(control, TCN_SELCHANGE);
        return;
    }
}

}  // namespace

LRESULT CALLBACK tabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        switch (message) {
        case WM_NCCREATE:
            attachControlState<TabState>(hwnd);
            return TRUE;
        case WM_NCDESTROY:
            detachControlState<TabState>(hwnd);
            return 0;
        case TCM_GETITEMCOUNT:
            return static_cast<LRESULT>(tabs(hwnd).texts.size());
        case TCM_INSERTITEMA:
            return insertItem(tabs(hwnd), wParam, reinterpret_cast<const TCITEMA *>(lParam));
        case TCM_DELETEITEM:
            return deleteItem(tabs(hwnd), wParam);
        case TCM_GETITEMA:
            return getItem(tabs(hwnd), wParam, reinterpret_cast<TCITEMA *>(lParam));
        case TCM_GETITEMRECT:
            if (!validIndex(tabs(hwnd), wParam) || !lParam)
                return FALSE;
            *reinterpret_cast<RECT *>(lParam) = itemRect(tabs(hwnd), static_cast<int>(wParam));
            return TRUE;
        case TCM_GETCURSEL:
            return tabs(hwnd).selected;
        case TCM_SETCURSEL:
            return setCurrent(tabs(hwnd), wParam);
        case WM_LBUTTONDOWN:
            click(hwnd, lParam);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    });
}

}  // namespace vks::detail
