// A fixture of the range editors' suites: a dialog of ranges.rc with its controls attached to
// framework objects, whose edit notifications go to a handler, as a dialog class forwards them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "afxcmn.h"
#include "afxwin.h"
#include "ranges_ids.h"

namespace rangetest {

class RangeDialog {
public:
    // Makes the dialog from template `templateId` of this program; it fails the test when it
    // cannot.
    explicit RangeDialog(int templateId);
    ~RangeDialog();
    RangeDialog(const RangeDialog &) = delete;
    RangeDialog &operator=(const RangeDialog &) = delete;

    HWND hwnd() const { return dialog_.m_hWnd; }
    // Called with the control's identifier and the notification code of every WM_COMMAND.
    std::function<void(int id, unsigned int code)> onCommand;

    // Field 1, 2, 3 of each row as the template places them.
    CEdit begin[3];
    CEdit end[3];
    CStatic beginSeparators[2];
    CStatic endSeparators[2];
    CStatic labels[4];
    CSpinButtonCtrl beginSpin;
    CSpinButtonCtrl endSpin;
    CEdit elsewhere;  // a field outside the range

    // The control's window rectangle in the dialog's client coordinates.
    RECT clientRect(const CWnd &control) const;
    // `first` and the `count` tab stops that follow it, as GetNextDlgTabItem gives them.
    std::vector<HWND> tabOrder(const CWnd &first, int count) const;
    // `first` and the `count` siblings that follow it in the Z-order.
    static std::vector<HWND> zOrder(const CWnd &first, int count);

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void attach(CWnd &control, int id);

    CWnd dialog_;
};

std::string textOf(const CWnd &control);
void setText(CWnd &control, const std::string &text);
// Types into the field as a user would, one WM_CHAR per byte: over the whole text when
// `replace` is set, else after it.
void type(CWnd &field, const std::string &typed, bool replace = true);
// Moves the focus to the field, then away from it to `elsewhere`.
void leave(CWnd &field, CWnd &elsewhere);

}  // namespace rangetest
