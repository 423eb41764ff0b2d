// Making a control wrapper's window.
#include "control_window.h"

namespace vks::detail {

BOOL createControl(CWnd &control, LPCSTR className, LPCSTR text, DWORD style, const RECT &rect,
                   CWnd *parent, UINT id)
{
    return control.CreateEx(0, className, text, style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top,
                            parent ? parent->m_hWnd : NULL,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

}  // namespace vks::detail
