// GetSystemMetrics: the dimensions of the headless screen.
#include "user32/window_state.h"
#include "vksboundary.h"

using namespace vks::detail;

int WINAPI GetSystemMetrics(int nIndex)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        switch (nIndex) {
        case SM_CXSCREEN:
            return kScreenRect.right - kScreenRect.left;
        case SM_CYSCREEN:
            return kScreenRect.bottom - kScreenRect.top;
        default:
            return 0;
        }
    });
}
