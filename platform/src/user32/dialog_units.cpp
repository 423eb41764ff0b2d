// Dialog units: the fixed base units of the headless fonts and MapDialogRect.
#include "user32/dialog_state.h"
#include "user32/dialog_units.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

constexpr BaseUnits kSystemFontUnits{8, 16};
// 8-point "MS Shell Dlg" at 96 DPI: 6 x 13 pixels; other sizes scale from it.
constexpr int kReferencePoints = 8;
constexpr BaseUnits kReferenceFontUnits{6, 13};

}  // namespace

BaseUnits baseUnitsFor(const DialogTemplate &dialog)
{
    if (!dialog.hasFont || dialog.pointSize == 0)
        return kSystemFontUnits;
    return {MulDiv(kReferenceFontUnits.x, dialog.pointSize, kReferencePoints),
            MulDiv(kReferenceFontUnits.y, dialog.pointSize, kReferencePoints)};
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
        return MAKELONG(vks::detail::kSystemFontUnits.x, vks::detail::kSystemFontUnits.y);
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
