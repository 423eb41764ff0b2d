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

}  // namespace vks::detail
