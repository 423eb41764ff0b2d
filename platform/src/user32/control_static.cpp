// The "Static" control: a text whose SS_* style is kept as given.
#include "user32/control_classes.h"
#include "user32/window_font.h"
#include "vksboundary.h"

namespace vks::detail {

LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return vks::atWin32Boundary<LRESULT>(0, [&]() -> LRESULT {
        if (LRESULT answer = 0; answerFontMessage(hwnd, message, wParam, lParam, answer))
            return answer;
        if (message == WM_GETDLGCODE)
            return DLGC_STATIC;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    });
}

}  // namespace vks::detail
