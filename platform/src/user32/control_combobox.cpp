// The "ComboBox" control: a list of items whose selected one the box shows, in its edit child
// (CBS_DROPDOWN) or as its own text (CBS_DROPDOWNLIST).
#include "user32/control_classes.h"
#include "user32/window_font.h"
#include "user32/list_items.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

constexpr int kEditId = 1001;
constexpr int kButtonWidth = 17;

struct ComboBoxState {
    ListItems items;
    int current = -1;
    HWND edit = nullptr;
};

ComboBoxState &state(HWND box)
{
    thread_local ComboBoxState detached;  // only before WM_NCCREATE or after WM_NCDESTROY
    ComboBoxState *attached = controlState<ComboBoxState>(box);
    return attached ? *attached : detached;
}

DWORD style(HWND box)
{
    return static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
}

bool hasEdit(HWND box)
{
    return (style(box) & 0x3) == CBS_DROPDOWN || (style(box) & 0x3) == CBS_SIMPLE;
}

void createEdit(HWND box)
{
    RECT client{};
    GetClientRect(box, &client);
    const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    state(box).edit = CreateWindowExA(
        0, "Edit", "", editStyle, 0, 0, client.right - kButtonWidth, client.bottom, box,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), nullptr, nullptr);
}

// The selected item's text (empty when none) becomes the text the box shows.
void showCurrent(HWND box)
{
    const ComboBoxState &s = state(box);
    const char *text = s.items.valid(static_cast<WPARAM>(s.current))
                           ? s.items.at(static_cast<WPARAM>(s.current)).text.c_str()
                           : "";
    if (s.edit)
        DefWindowProcA(s.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    else
        DefWindowProcA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    InvalidateRect(box, nullptr, TRUE);
}

LRESULT insertItem(HWND box, int position, LPARAM text)
{
    ComboBoxState &s = state(box);
    const int placed = s.items.insert(position, reinterpret_cast<const char *>(text));
    if (placed == CB_ERRSPACE) {
        notifyParent(box, static_cast<WORD>(CBN_ERRSPACE));
        return CB_ERRSPACE;
    }
    if (placed < 0)
        return CB_ERR;
    if (s.current >= placed)
        ++s.current;
    return placed;
}

LRESULT addItem(HWND box, LPARAM text)
{
    const bool sorted = (style(box) & CBS_SORT) != 0;
    const int position = state(box).items.addPosition(reinterpret_cast<const char *>(text), sorted);
    return insertItem(box, position, text);
}

LRESULT deleteItem(HWND box, WPARAM index)
{
    ComboBoxState &s = state(box);
    const int left = s.items.erase(index);
    if (left < 0)
        return CB_ERR;
    const int removed = static_cast<int>(index);
    if (s.current == removed) {
        s.current = -1;
        showCurrent(box);
    } else if (s.current > removed) {
        --s.current;
    }
    return left;
}

void resetContent(HWND box)
{
    ComboBoxState &s = state(box);
    s.items.clear();
    s.current = -1;
    showCurrent(box);
}

LRESULT setCurrent(HWND box, WPARAM index)
{
    ComboBoxState &s = state(box);
    const int wanted = static_cast<int>(index);
    if (wanted < -1 || wanted >= s.items.count())
        return CB_ERR;
    s.current = wanted;
    showCurrent(box);
    return s.current;
}

LRESULT selectString(HWND box, WPARAM start, LPARAM text)
{
    const int found = state(box).items.find(start, reinterpret_cast<const char *>(text), false);
    return found < 0 ? CB_ERR : setCurrent(box, static_cast<WPARAM>(found));
}

LRESULT setItemData(HWND box, WPARAM index, LPARAM data)
{
    ComboBoxState &s = state(box);
    if (!s.items.valid(index))
        return CB_ERR;
    s.items.at(index).data = data;
    return TRUE;
}

void arrowKey(HWND box, WPARAM key)
{
    const ComboBoxState &s = state(box);
    int next = s.current;
    if (key == VK_DOWN)
        next = s.current < 0 ? 0 : s.current + 1;
    else if (key == VK_UP && s.current > 0)
        next = s.current - 1;
    if (next == s.current || next >= s.items.count())
        return;
    setCurrent(box, static_cast<WPARAM>(next));
    notifyParent(box, CBN_SELCHANGE);
}

// The edit child's text is the box's text.
LRESULT textMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND edit = state(box).edit;
    if (!edit)
        return DefWindowProcA(box, message, wParam, lParam);
    if (message == WM_SETTEXT)
        return DefWindowProcA(edit, WM_SETTEXT, wParam, lParam);
    return SendMessageA(edit, message, wParam, lParam);
}

// What the edit child tells the box becomes the box's own notification to its parent.
void editNotification(HWND box, WPARAM wParam)
{
    if (HIWORD(wParam) == EN_CHANGE)
        notifyParent(box, CBN_EDITCHANGE);
    else if (HIWORD(wParam) == EN_UPDATE)
        notifyParent(box, CBN_EDITUPDATE);
}

LRESULT comboBoxMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ComboBoxState &s = state(hwnd);
    switch (message) {
    case CB_ADDSTRING:
        return addItem(hwnd, lParam);
    case CB_INSERTSTRING:
        return insertItem(hwnd, static_cast<int>(wParam), lParam);
    case CB_DELETESTRING:
        return deleteItem(hwnd, wParam);
    case CB_RESETCONTENT:
        resetContent(hwnd);
        return CB_OKAY;
    case CB_GETCOUNT:
        return s.items.count();
    case CB_GETLBTEXT:
        return s.items.copyText(wParam, lParam);
    case CB_GETLBTEXTLEN:
        return s.items.textLength(wParam);
    case CB_GETITEMDATA:
        return s.items.valid(wParam) ? s.items.at(wParam).data : CB_ERR;
    case CB_SETITEMDATA:
        return setItemData(hwnd, wParam, lParam);
    case CB_FINDSTRING:
        return s.items.find(wParam, reinterpret_cast<const char *>(lParam), false);
    case CB_FINDSTRINGEXACT:
        return s.items.find(wParam, reinterpret_cast<const char *>(lParam), true);
    case CB_GETITEMHEIGHT:
        // -1 asks for the selection field, which has a pixel of space above and below its text.
        return static_cast<int>(wParam) == -1 ? listItemHeight(hwnd) + 2 : listItemHeight(hwnd);
    case CB_SELECTSTRING:
        return selectString(hwnd, wParam, lParam);
    case CB_GETCURSEL:
        return s.current;
    case CB_SETCURSEL:
        return setCurrent(hwnd, wParam);
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return textMessage(hwnd, message, wParam, lParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

const ListItems *comboBoxItems(HWND box)
{
    const ComboBoxState *attached = controlState<ComboBoxState>(box);
    return attached ? &attached->items : nullptr;
}

LRESULT CALLBACK comboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(CB_ERRSPACE, [&]() -> LRESULT {
        if (LRESULT answer = 0; answerFontMessage(hwnd, message, wParam, lParam, answer))
            return answer;
        switch (message) {
        case WM_NCCREATE:
            attachControlState<ComboBoxState>(hwnd);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_CREATE:
            if (hasEdit(hwnd))
                createEdit(hwnd);
            return 0;
        case WM_NCDESTROY:
            detachControlState<ComboBoxState>(hwnd);
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == state(hwnd).edit)
                editNotification(hwnd, wParam);
            return 0;
        case WM_KEYDOWN:
            arrowKey(hwnd, wParam);
            return 0;
        case WM_SETFOCUS:
            if (state(hwnd).edit)
                SetFocus(state(hwnd).edit);
            notifyParent(hwnd, CBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyParent(hwnd, CBN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            return comboBoxMessage(hwnd, message, wParam, lParam);
        }
    });
}

}  // namespace vks::detail
