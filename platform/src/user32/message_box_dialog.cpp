// The message box's window: its class, its children and its dialog procedure.
#include "user32/message_box_dialog.h"

#include "kernel32/no_destructor.h"
#include "user32/dialog_state.h"
#include "user32/window_state.h"
#include "vksboundary.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace vks::detail {

namespace {

constexpr int kTextId = 0xFFFF;
constexpr int kBoxWidth = 320;
constexpr int kBoxHeight = 140;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

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
POINT boxOrigin(HWND owner)
{
    RECT area = kScreenRect;
    if (owner)
        GetWindowRect(owner, &area);
    return {area.left + ((area.right - area.left) - kBoxWidth) / 2,
            area.top + ((area.bottom - area.top) - kBoxHeight) / 2};
}

HWND createChild(const char *className, const char *text, DWORD style, int x, int y, int width,
                 int height, HWND box, int id)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           box, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr,
                           nullptr);
}

void createButtons(HWND box, const std::vector<int> &buttons, int defaultId)
{
    const int count = static_cast<int>(buttons.size());
    int x = (kBoxWidth - count * kButtonWidth - (count - 1) * 8) / 2;
    for (int id : buttons) {
        const DWORD type = id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        createChild("Button", buttonText(id), WS_TABSTOP | type, x, kBoxHeight - kButtonHeight - 12,
                    kButtonWidth, kButtonHeight, box, id);
        x += kButtonWidth + 8;
    }
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
    const POINT origin = boxOrigin(owner);
    const HWND box = CreateWindowExA(0, "#32770", caption.c_str(),
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU, origin.x, origin.y,
                                     kBoxWidth, kBoxHeight, owner, nullptr, nullptr, nullptr);
    if (!box)
        return nullptr;
    const int defaultId = defaultButton(buttons, type);
    attachDialog(box, messageBoxProc, BaseUnits{});
    openBoxes().add(box, BoxState{buttons});
    SendMessageA(box, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
    createChild("Static", text.c_str(), 0, 12, 12, kBoxWidth - 24,
                kBoxHeight - kButtonHeight - 36, box, kTextId);
    createButtons(box, buttons, defaultId);
    return box;
}

void forgetMessageBox(HWND box)
{
    openBoxes().remove(box);
    forgetDialog(box);
}

}  // namespace vks::detail
