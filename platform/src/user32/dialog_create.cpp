// CreateDialogIndirectParamA and CreateDialogParamA: a dialog window and its controls from a
// template, with WM_SETFONT and WM_INITDIALOG in Windows' order.
#include <limits>

#include "user32/dialog_create.h"
#include "user32/dialog_focus.h"
#include "user32/dialog_state.h"
#include "user32/dialog_template.h"
#include "user32/dialog_units.h"
#include "user32/window_font.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr DWORD kButtonTypeMask = 0x0F;
constexpr DWORD kDefPushButton = 0x01;

// Top-level dialogs are placed from the owner's origin, as Windows places them without
// DS_ABSALIGN.
POINT ownerOrigin(HWND owner)
{
    RECT area{};
    if (owner)
        GetWindowRect(owner, &area);
    return {area.left, area.top};
}

HWND createDialogWindow(HINSTANCE instance, const DialogTemplate &dialog, HWND owner,
                        const BaseUnits &units)
{
    const RECT pixels = toPixels(units, dialog.x, dialog.y, dialog.cx, dialog.cy);
    POINT origin{pixels.left, pixels.top};
    if (!(dialog.style & WS_CHILD)) {
        const POINT from = ownerOrigin(owner);
        origin.x += from.x;
        origin.y += from.y;
    }
    const char *className = dialog.className.empty() ? "#32770" : dialog.className.c_str();
    // Shown only once the dialog is initialised.
    return CreateWindowExA(dialog.exStyle, className, dialog.caption.c_str(),
                           dialog.style & ~static_cast<DWORD>(WS_VISIBLE), origin.x, origin.y,
                           pixels.right - pixels.left, pixels.bottom - pixels.top, owner, nullptr,
                           instance, nullptr);
}

bool isDefaultPushButton(const DialogItem &item)
{
    return item.className == "Button" && (item.style & kButtonTypeMask) == kDefPushButton;
}

// The controls in template order, each sent the dialog's font; false when one cannot be made.
bool createControls(HWND dialog, HINSTANCE instance, const DialogTemplate &dialogTemplate,
                    const BaseUnits &units, HFONT font)
{
    int defaultId = 0;
    for (const DialogItem &item : dialogTemplate.items) {
        const RECT pixels = toPixels(units, item.x, item.y, item.cx, item.cy);
        const HWND control = CreateWindowExA(
            item.exStyle, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD,
            pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
            dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, nullptr);
        if (!control)
            return false;
        if (dialogTemplate.hasFont)
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!defaultId && isDefaultPushButton(item))
            defaultId = static_cast<int>(item.id);
    }
    if (defaultId)
        SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
    return true;
}

// The control WM_INITDIALOG offers the focus: the first visible, enabled tab stop.
HWND firstTabStop(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED))
            return child;
    }
    return nullptr;
}

// WM_INITDIALOG answered TRUE: the focus goes to the first control, found again as the procedure
// may have changed the order; an edit has its text selected. A hidden child dialog is left alone.
void giveInitialFocus(HWND dialog, DWORD style)
{
    if ((style & WS_CHILD) && !(style & WS_VISIBLE))
        return;
    if (const HWND control = firstDialogControl(dialog))
        focusDialogControl(control);
    else if (!(style & WS_CHILD))
        SetFocus(dialog);
}

HWND createFromParsed(HINSTANCE instance, const DialogTemplate &dialogTemplate, HWND owner,
                      DLGPROC proc, LPARAM param)
{
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    registerDialogClass();
    // The template's font sets the dialog units, and the dialog owns it from here on.
    const HFONT font = createTemplateFont(dialogTemplate);
    const BaseUnits units = baseUnitsOf(font);
    const HWND dialog = createDialogWindow(instance, dialogTemplate, owner, units);
    if (!dialog) {
        if (font)
            DeleteObject(font);
        return nullptr;
    }
    if (font)
        adoptWindowFont(dialog, font);
    // The procedure sees the dialog from WM_SETFONT on, not its creation messages.
    attachDialog(dialog, proc, units);
    if (dialogTemplate.hasFont)
        SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!createControls(dialog, instance, dialogTemplate, units, font)) {
        DestroyWindow(dialog);
        forgetDialog(dialog);
        return nullptr;
    }
    const LRESULT wantsFocus = SendMessageA(
        dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop(dialog)), param);
    if (wantsFocus && IsWindow(dialog))
        giveInitialFocus(dialog, dialogTemplate.style);
    if (IsWindow(dialog) && (dialogTemplate.style & WS_VISIBLE))
        ShowWindow(dialog, SW_SHOWNORMAL);
    return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace

namespace vks::detail {

HWND createDialogFromTemplate(HINSTANCE instance, const void *bytes, std::size_t size,
                              HWND owner, DLGPROC proc, LPARAM param)
{
    const std::optional<DialogTemplate> dialogTemplate = readDialogTemplate(bytes, size);
    if (!dialogTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return createFromParsed(instance, *dialogTemplate, owner, proc, param);
}

HWND createDialogFromResource(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc,
                              LPARAM param)
{
    const HRSRC resource = FindResourceA(instance, name, RT_DIALOG);
    if (!resource)
        return nullptr;
    const void *bytes = LockResource(LoadResource(instance, resource));
    if (!bytes)
        return nullptr;
    return createDialogFromTemplate(instance, bytes, SizeofResource(instance, resource), owner,
                                    proc, param);
}

}  // namespace vks::detail

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        // The caller's template carries no size; its own counts bound the reading.
        return createDialogFromTemplate(hInstance, lpTemplate,
                                        std::numeric_limits<std::size_t>::max(), hWndParent,
                                        lpDialogFunc, dwInitParam);
    });
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        return createDialogFromResource(hInstance, lpTemplateName, hWndParent, lpDialogFunc,
                                        dwInitParam);
    });
}
