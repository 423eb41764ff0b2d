// The "Edit" control: its text, selection, limit, typed characters and notifications.
#include "user32/control_classes.h"
#include "user32/window_font.h"
#include "vksboundary.h"

#include <algorithm>
#include <string>

namespace vks::detail {

namespace {

constexpr DWORD kDefaultLimit = 30000;
constexpr DWORD kSingleLineMaximum = 0x7FFFFFFE;
constexpr DWORD kMultiLineMaximum = 0xFFFFFFFF;
constexpr char kBackspace = '\b';

struct EditState {
    DWORD limit = kDefaultLimit;
    std::size_t selStart = 0;
    std::size_t selEnd = 0;
};

EditState &state(HWND edit)
{
    thread_local EditState detached;  // only before WM_NCCREATE or after WM_NCDESTROY
    EditState *attached = controlState<EditState>(edit);
    return attached ? *attached : detached;
}

DWORD style(HWND edit)
{
    return static_cast<DWORD>(GetWindowLongA(edit, GWL_STYLE));
}

std::string currentText(HWND edit)
{
    const auto length = static_cast<std::size_t>(DefWindowProcA(edit, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<std::size_t>(
        DefWindowProcA(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

void changed(HWND edit)
{
    notifyParent(edit, EN_UPDATE);
    notifyParent(edit, EN_CHANGE);
}

void setSelection(HWND edit, WPARAM start, LPARAM end)
{
    EditState &s = state(edit);
    const std::size_t length = currentText(edit).size();
    // -1 as start drops the selection and leaves the caret where the selection ended.
    if (static_cast<int>(start) == -1) {
        s.selStart = s.selEnd;
        return;
    }
    // Other negative values are read unsigned, so they reach the end of the text.
    const std::size_t a = std::min<std::size_t>(static_cast<DWORD>(start), length);
    const std::size_t b = std::min<std::size_t>(static_cast<DWORD>(end), length);
    s.selStart = std::min(a, b);
    s.selEnd = std::max(a, b);
}

LRESULT getSelection(HWND edit, WPARAM startOut, LPARAM endOut)
{
    const EditState &s = state(edit);
    if (auto *start = reinterpret_cast<DWORD *>(startOut))
        *start = static_cast<DWORD>(s.selStart);
    if (auto *end = reinterpret_cast<DWORD *>(endOut))
        *end = static_cast<DWORD>(s.selEnd);
    // Positions past 65,535 do not fit the packed answer.
    if (s.selStart > 0xFFFF || s.selEnd > 0xFFFF)
        return -1;
    return MAKELONG(s.selStart, s.selEnd);
}

void setLimit(HWND edit, WPARAM limit)
{
    const DWORD maximum = (style(edit) & ES_MULTILINE) ? kMultiLineMaximum : kSingleLineMaximum;
    const auto wanted = static_cast<DWORD>(limit);
    state(edit).limit = wanted == 0 ? maximum : std::min(wanted, maximum);
}

// Replaces the selection with as much of the insert as the limit allows; false when the limit
// cut it.
bool replaceSelection(HWND edit, std::string insert)
{
    EditState &s = state(edit);
    std::string text = currentText(edit);
    const std::size_t kept = text.size() - (s.selEnd - s.selStart);
    const std::size_t room = kept < s.limit ? s.limit - kept : 0;
    const bool fits = insert.size() <= room;
    if (!fits)
        insert.resize(room);
    if (insert.empty() && s.selStart == s.selEnd)
        return fits;
    text.replace(s.selStart, s.selEnd - s.selStart, insert);
    DefWindowProcA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    s.selStart = s.selEnd = s.selStart + insert.size();
    changed(edit);
    return fits;
}

void eraseBackward(HWND edit)
{
    EditState &s = state(edit);
    if (s.selStart == s.selEnd && s.selStart > 0)
        --s.selStart;
    if (s.selStart != s.selEnd)
        replaceSelection(edit, {});
}

bool accepts(HWND edit, char ch)
{
    const DWORD st = style(edit);
    if (st & ES_READONLY)
        return false;
    if ((st & ES_NUMBER) && (ch < '0' || ch > '9'))
        return false;
    return static_cast<unsigned char>(ch) >= 0x20;
}

void typeCharacter(HWND edit, WPARAM code)
{
    const char ch = static_cast<char>(code & 0xFF);
    if (ch == kBackspace) {
        if (!(style(edit) & ES_READONLY))
            eraseBackward(edit);
        return;
    }
    if (!accepts(edit, ch))
        return;
    if (!replaceSelection(edit, std::string(1, ch)))
        notifyParent(edit, EN_MAXTEXT);
}

LRESULT dialogCode(HWND edit)
{
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (style(edit) & ES_MULTILINE)
        code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT setText(HWND edit, LPARAM text)
{
    if (!DefWindowProcA(edit, WM_SETTEXT, 0, text))
        return FALSE;
    EditState &s = state(edit);
    s.selStart = s.selEnd = 0;
    changed(edit);
    return TRUE;
}

}  // namespace

LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        if (LRESULT answer = 0; answerFontMessage(hwnd, message, wParam, lParam, answer))
            return answer;
        switch (message) {
        case WM_NCCREATE:
            // The text given at creation is set without notifications.
            attachControlState<EditState>(hwnd);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_NCDESTROY:
            detachControlState<EditState>(hwnd);
            return 0;
        case WM_SETTEXT:
            return setText(hwnd, lParam);
        case EM_GETSEL:
            return getSelection(hwnd, wParam, lParam);
        case EM_SETSEL:
            setSelection(hwnd, wParam, lParam);
            return 0;
        case EM_REPLACESEL:
            if (lParam && !replaceSelection(hwnd, reinterpret_cast<LPCSTR>(lParam)))
                notifyParent(hwnd, EN_MAXTEXT);
            return 0;
        case EM_LIMITTEXT:
            setLimit(hwnd, wParam);
            return 0;
        case EM_GETLIMITTEXT:
            return static_cast<LRESULT>(state(hwnd).limit);
        case WM_CHAR:
            typeCharacter(hwnd, wParam);
            return 0;
        case WM_SETFOCUS:
            notifyParent(hwnd, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyParent(hwnd, EN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return dialogCode(hwnd);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
    });
}

}  // namespace vks::detail
