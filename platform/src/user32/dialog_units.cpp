// Dialog units: base units measured from the dialog's font, GetDialogBaseUnits and
// MapDialogRect.
#include "user32/dialog_state.h"
#include "user32/dialog_units.h"
#include "user32/window_font.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;
// The system font's units, taken only when its font file is missing (which has been reported).
constexpr BaseUnits kSystemFontUnits{8, 16};

}  // namespace

HFONT createTemplateFont(const DialogTemplate &dialog)
{
    if (!dialog.hasFont)
        return nullptr;
    return CreateFontA(-MulDiv(dialog.pointSize, kDotsPerInch, kPointsPerInch), 0, 0, 0,
                       dialog.weight, dialog.italic, FALSE, FALSE, dialog.charSet,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       dialog.typeface.c_str());
}

BaseUnits baseUnitsOf(HFONT font)
{
    return measureBaseUnits(font).value_or(kSystemFontUnits);
}

BaseUnits baseUnitsFor(const DialogTemplate &dialog)
{
    const HFONT font = createTemplateFont(dialog);
    const BaseUnits units = baseUnitsOf(font);
    if (font)
        DeleteObject(font);
    return units;
}

RECT toPixels(const BaseUnits &units, short x, short y, short cx, short cy)
{
    const int left = MulDiv(x, units.x, 4);
    const int top = MulDiv(y, units.y, 8);
    return {left, top, left + MulDiv(cx, units.x, 4), top + MulDiv(cy, units.y, 8)};
}

}  // namespace vks::detail

LONG WINAPI GetDialogBaseUnits(void)
{
    return vks::atWin32Boundary<LONG>(0, [&]() -> LONG {
        const vks::detail::BaseUnits units = vks::detail::baseUnitsOf(nullptr);
        return MAKELONG(units.x, units.y);
    });
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!vks::detail::isDialog(hDlg)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        if (!lpRect) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const vks::detail::BaseUnits units = vks::detail::dialogBaseUnits(hDlg);
        lpRect->left = MulDiv(lpRect->left, units.x, 4);
        lpRect->right = MulDiv(lpRect->right, units.x, 4);
        lpRect->top = MulDiv(lpRect->top, units.y, 8);
        lpRect->bottom = MulDiv(lpRect->bottom, units.y, 8);
        return TRUE;
    });
}
