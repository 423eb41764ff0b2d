// The message box's window: its class, its children and its dialog procedure.
#include "user32/message_box_dialog.h"

#include "kernel32/no_destructor.h"
#include "user32/dialog_state.h"
#include "user32/dialog_units.h"
#include "user32/window_font.h"
#include "user32/window_state.h"
#include "vksboundary.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace vks::detail {

namespace {

constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x0014;
constexpr int kIconSide = 32;
// The layout in dialog units of the message font: margins, the gap between the icon and the
// text and between buttons, and a button's least size.
constexpr int kMarginX = 7, kMarginY = 7;
constexpr int kIconGapX = 7;
constexpr int kButtonGapX = 4;
constexpr int kButtonWidth = 50, kButtonHeight = 14;
// Room around a button's text.
constexpr int kButtonPaddingX = 8;
// The text wraps before it takes more than this share of the screen's width.
constexpr int kMaxTextShare = 3, kMaxTextShareOf = 4;

struct BoxState {
    std::vector<int> buttons;
};

class OpenBoxes {
public:
    void add(HWND box, BoxState state)
    {
        std::lock_guard guard(lock_);
        boxes_[box] = std::move(state);
    }
    void remove(HWND box)
    {
        std::lock_guard guard(lock_);
        boxes_.erase(box);
    }
    std::vector<int> buttons(HWND box)
    {
        std::lock_guard guard(lock_);
        const auto found = boxes_.find(box);
        return found == boxes_.end() ? std::vector<int>{} : found->second.buttons;
    }

private:
    std::mutex lock_;
    std::unordered_map<HWND, BoxState> boxes_;
};

OpenBoxes &openBoxes()
{
    static NoDestructor<OpenBoxes> boxes;
    return *boxes;
}

const char *buttonText(int id)
{
    switch (id) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    case IDABORT:
        return "&Abort";
    case IDRETRY:
        return "&Retry";
    case IDIGNORE:
        return "&Ignore";
    case IDYES:
        return "&Yes";
    case IDNO:
        return "&No";
    default:
        return "";
    }
}

bool isResultId(int id)
{
    return id >= IDOK && id <= IDNO;
}

bool has(const std::vector<int> &buttons, int id)
{
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

// Escape and the close box: Cancel when there is one, OK when it is alone, else nothing.
int closeResult(const std::vector<int> &buttons)
{
    if (has(buttons, IDCANCEL))
        return IDCANCEL;
    return buttons == std::vector<int>{IDOK} ? IDOK : 0;
}

// The box's dialog procedure: TRUE for what it handles, FALSE for the dialog's defaults.
INT_PTR CALLBACK messageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM)
{
    return vks::atWin32Boundary<INT_PTR>(FALSE, [&]() -> INT_PTR {
        switch (message) {
        case WM_COMMAND:
            // Any result identifier ends the box, whether or not it has that button.
            if (isResultId(LOWORD(wParam)))
                endDialog(box, LOWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            if (const int result = closeResult(openBoxes().buttons(box)))
                endDialog(box, result);
            return TRUE;
        default:
            return FALSE;
        }
    });
}

// Centred on the owner, or on the screen when there is none.
POINT boxOrigin(HWND owner, SIZE box)
{
    RECT area = kScreenRect;
    if (owner)
        GetWindowRect(owner, &area);
    return {area.left + ((area.right - area.left) - box.cx) / 2,
            area.top + ((area.bottom - area.top) - box.cy) / 2};
}

// Where the box's parts go, in its client coordinates.
struct BoxLayout {
    SIZE box{};
    RECT icon{};
    RECT text{};
    std::vector<RECT> buttons;
};

int unitsX(const BaseUnits &units, int value)
{
    return MulDiv(value, units.x, 4);
}

int unitsY(const BaseUnits &units, int value)
{
    return MulDiv(value, units.y, 8);
}

// The text measured with the message font as the static control draws it, wrapped at three
// quarters of the screen; the buttons as wide as the widest caption needs, at least the
// standard width, centred in a row below the icon and the text; the box as large as that.
BoxLayout layOut(HFONT font, const BaseUnits &units, const std::string &text,
                 const std::vector<int> &buttons, bool withIcon)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    BoxLayout layout;
    const int marginX = unitsX(units, kMarginX);
    const int marginY = unitsY(units, kMarginY);
    const int textLeft = withIcon ? marginX + kIconSide + unitsX(units, kIconGapX) : marginX;
    const int widest = (kScreenRect.right - kScreenRect.left) * kMaxTextShare / kMaxTextShareOf;
    RECT measured{0, 0, widest - textLeft - marginX, 0};
    DrawTextA(dc, text.c_str(), -1, &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    const int textHeight = measured.bottom;
    // A text shorter than the icon sits in the middle of the icon's height.
    const int textTop = withIcon && textHeight < kIconSide ? marginY + (kIconSide - textHeight) / 2
                                                           : marginY;
    layout.text = {textLeft, textTop, textLeft + measured.right, textTop + textHeight};
    if (withIcon)
        layout.icon = {marginX, marginY, marginX + kIconSide, marginY + kIconSide};

    int buttonWidth = unitsX(units, kButtonWidth);
    for (const int id : buttons) {
        RECT caption{0, 0, 0, 0};
        DrawTextA(dc, buttonText(id), -1, &caption, DT_CALCRECT | DT_SINGLELINE);
        buttonWidth = std::max<int>(buttonWidth, caption.right + 2 * unitsX(units, kButtonPaddingX));
    }
    DeleteDC(dc);
    const int buttonHeight = unitsY(units, kButtonHeight);
    const int gap = unitsX(units, kButtonGapX);
    const int count = static_cast<int>(buttons.size());
    const int rowWidth = count * buttonWidth + (count - 1) * gap;
    const int contentBottom = std::max(layout.text.bottom, withIcon ? layout.icon.bottom : 0);
    const int buttonTop = contentBottom + marginY;
    layout.box.cx = std::max<int>(layout.text.right + marginX, rowWidth + 2 * marginX);
    layout.box.cy = buttonTop + buttonHeight + marginY;
    int x = (layout.box.cx - rowWidth) / 2;
    for (int i = 0; i < count; ++i, x += buttonWidth + gap)
        layout.buttons.push_back({x, buttonTop, x + buttonWidth, buttonTop + buttonHeight});
    return layout;
}

bool hasIcon(UINT type)
{
    return (type & MB_ICONMASK) != 0;
}

HWND createChild(const char *className, const char *text, DWORD style, const RECT &r, HWND box,
                 int id, HFONT font)
{
    const HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left,
                                       r.top, r.right - r.left, r.bottom - r.top, box,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                       nullptr, nullptr);
    if (child)
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

int defaultButton(const std::vector<int> &buttons, UINT type)
{
    const std::size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

}  // namespace

std::vector<int> messageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OK:
        return {IDOK};
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {};
    }
}

HWND createMessageBoxWindow(HWND owner, const std::string &text, const std::string &caption,
                            UINT type)
{
    registerDialogClass();
    const std::vector<int> buttons = messageBoxButtons(type);
    // The message font: 8-point "MS Shell Dlg".
    const HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH, "MS Shell Dlg");
    const BaseUnits units = baseUnitsOf(font);
    const BoxLayout layout = layOut(font, units, text, buttons, hasIcon(type));
    const POINT origin = boxOrigin(owner, layout.box);
    const HWND box = CreateWindowExA(0, "#32770", caption.c_str(),
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU, origin.x, origin.y,
                                     layout.box.cx, layout.box.cy, owner, nullptr, nullptr, nullptr);
    if (!box) {
        DeleteObject(font);
        return nullptr;
    }
    adoptWindowFont(box, font);
    const int defaultId = defaultButton(buttons, type);
    attachDialog(box, messageBoxProc, units);
    openBoxes().add(box, BoxState{buttons});
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(box, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
    if (hasIcon(type))
        createChild("Static", "", SS_ICON, layout.icon, box, kIconId, font);
    createChild("Static", text.c_str(), SS_NOPREFIX, layout.text, box, kTextId, font);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const DWORD style = buttons[i] == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        createChild("Button", buttonText(buttons[i]), WS_TABSTOP | style, layout.buttons[i], box,
                    buttons[i], font);
    }
    return box;
}

void forgetMessageBox(HWND box)
{
    openBoxes().remove(box);
    forgetDialog(box);
}

}  // namespace vks::detail
