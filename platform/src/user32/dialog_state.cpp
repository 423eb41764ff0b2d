// The dialog window class: each dialog's procedure first, then the defaults of DefDlgProc.
#include "user32/dialog_state.h"

#include <memory>
#include <mutex>

#include "user32/dialog_focus.h"
#include "user32/window_font.h"
#include "user32/window_table.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

struct DialogRecord {
    DLGPROC proc = nullptr;
    BaseUnits units;
    int defaultId = 0;
    HWND savedFocus = nullptr;
    bool ended = false;
    INT_PTR result = 0;
};

// Each dialog's record hangs off its window, so that it goes with the window.
class OpenDialogs {
public:
    void add(HWND dialog, DialogRecord record)
    {
        attachToWindow(dialog, &attachedKey<DialogRecord>, std::make_shared<DialogRecord>(record));
    }
    void remove(HWND dialog) { detachFromWindow(dialog, &attachedKey<DialogRecord>); }
    // A copy, so that no lock is held while a procedure runs.
    bool find(HWND dialog, DialogRecord &record)
    {
        return change(dialog, [&record](const DialogRecord &held) { record = held; });
    }
    template <typename Change>
    bool change(HWND dialog, Change apply)
    {
        WindowTable &table = windowTable();
        WindowLock guard;
        const WindowRecord *window = table.find(dialog);
        void *held = window ? attachedTo(*window, &attachedKey<DialogRecord>) : nullptr;
        if (!held)
            return false;
        apply(*static_cast<DialogRecord *>(held));
        return true;
    }
};

OpenDialogs &openDialogs()
{
    static OpenDialogs dialogs;
    return dialogs;
}

LRESULT defaultDialogAnswer(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case DM_GETDEFID: {
        DialogRecord record;
        openDialogs().find(dialog, record);
        return record.defaultId ? MAKELONG(record.defaultId, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: {
        int previous = 0;
        openDialogs().change(dialog, [wParam, &previous](DialogRecord &record) {
            previous = record.defaultId;
            record.defaultId = static_cast<int>(wParam);
        });
        showDefaultId(dialog, previous, static_cast<int>(wParam));
        return TRUE;
    }
    case WM_ACTIVATE:
        return dialogActivated(dialog, wParam);
    case WM_SETFOCUS:
        return dialogFocused(dialog);
    case WM_NEXTDLGCTL:
        return nextDialogControl(dialog, wParam, lParam);
    case WM_SETFONT:
    case WM_GETFONT: {
        LRESULT answer = 0;
        answerFontMessage(dialog, message, wParam, lParam, answer);
        return answer;
    }
    case WM_CLOSE:
        // As the Cancel button would, so that the dialog procedure decides.
        SendMessageA(dialog, WM_COMMAND, MAKELONG(IDCANCEL, 0),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

LRESULT CALLBACK dialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        DialogRecord record;
        INT_PTR answer = 0;
        if (openDialogs().find(dialog, record) && record.proc)
            answer = record.proc(dialog, message, wParam, lParam);
        // A procedure answers a notification through DWLP_MSGRESULT and returns TRUE.
        if (message == WM_NOTIFY && answer)
            return GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
        // Forgotten with its window, so that a reused handle is no dialog; a modal run reads
        // its result before it destroys the window.
        if (message == WM_NCDESTROY)
            openDialogs().remove(dialog);
        return answer ? answer : defaultDialogAnswer(dialog, message, wParam, lParam);
    });
}

LRESULT CALLBACK plainControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    });
}

// Registers a class the system provides, once; an existing class of that name is kept.
void ensureClass(const char *name, WNDPROC proc, int extraBytes = 0)
{
    WNDCLASSA wc{};
    if (GetClassInfoA(nullptr, name, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

}  // namespace

void registerDialogClass()
{
    static std::once_flag once;
    std::call_once(once, [] {
        ensureClass("#32770", dialogWindowProc, DLGWINDOWEXTRA);
        // Plain windows for the controls message boxes and templates use most, unless the
        // real control classes are already registered.
        ensureClass("Static", plainControlProc);
        ensureClass("Button", plainControlProc);
    });
}

void attachDialog(HWND dialog, DLGPROC proc, BaseUnits units)
{
    openDialogs().add(dialog, DialogRecord{proc, units, 0, nullptr, false, 0});
}

bool isDialog(HWND dialog)
{
    DialogRecord record;
    return openDialogs().find(dialog, record);
}

BaseUnits dialogBaseUnits(HWND dialog)
{
    DialogRecord record;
    openDialogs().find(dialog, record);
    return record.units;
}

bool endDialog(HWND dialog, INT_PTR result)
{
    const bool found = openDialogs().change(dialog, [result](DialogRecord &record) {
        if (!record.ended) {
            record.ended = true;
            record.result = result;
        }
    });
    if (found)
        PostMessageA(dialog, WM_NULL, 0, 0);  // wakes the modal loop if it waits
    return found;
}

bool dialogEnded(HWND dialog, INT_PTR &result)
{
    DialogRecord record;
    if (!openDialogs().find(dialog, record) || !record.ended)
        return false;
    result = record.result;
    return true;
}

void forgetDialog(HWND dialog)
{
    openDialogs().remove(dialog);
}

HWND savedFocus(HWND dialog)
{
    DialogRecord record;
    openDialogs().find(dialog, record);
    return record.savedFocus;
}

void saveFocus(HWND dialog, HWND control)
{
    openDialogs().change(dialog, [control](DialogRecord &record) { record.savedFocus = control; });
}

}  // namespace vks::detail
