// Internal: how a CDialog's object meets its window while the dialog manager makes it.
#pragma once

#include "afxwin.h"

namespace vks::detail {

// Makes dialog the one its thread is creating, for this object's lifetime; the first message
// of the new dialog window claims it (AfxDlgProc).
class DialogCreation {
public:
    explicit DialogCreation(CDialog *dialog);
    ~DialogCreation();
    DialogCreation(const DialogCreation &) = delete;
    DialogCreation &operator=(const DialogCreation &) = delete;

private:
    CDialog *outer_;
};

// Makes dialog the one its thread is creating until a dialog window's first message claims it;
// for windows made where no scope can span their creation (property pages).
void expectDialog(CDialog *dialog);

// Subclasses a window the platform made for `wnd` and runs its WM_CREATE handling; false when
// that refused, after which the window is gone.
bool adoptWindow(CWnd *wnd, HWND hwnd);

}  // namespace vks::detail
