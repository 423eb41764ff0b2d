// The standard controls' classes, and the notification they all send.
#include "user32/control_classes.h"

namespace vks::detail {

namespace {

WNDCLASSA controlClass(const char *name, WNDPROC proc, int extraBytes)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    wc.cbWndExtra = extraBytes;
    return wc;
}

}  // namespace

std::vector<WNDCLASSA> systemControlClasses()
{
    constexpr int kStatePointer = sizeof(LONG_PTR);
    return {
        controlClass("Edit", editProc, kStatePointer),
        controlClass("Static", staticProc, 0),
        controlClass("Button", buttonProc, sizeof(LONG)),
        controlClass("ListBox", listBoxProc, kStatePointer),
        controlClass("ComboBox", comboBoxProc, kStatePointer),
    };
}

void notifyParent(HWND control, WORD code)
{
    const HWND parent = GetParent(control);
    if (!parent)
        return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(control));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace vks::detail
