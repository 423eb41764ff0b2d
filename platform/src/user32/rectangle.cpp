// Rectangle helpers.
#include "vksboundary.h"
#include "windows.h"

// As Windows: the right and bottom edges lie outside the rectangle.
BOOL WINAPI PtInRect(const RECT *lprc, POINT pt)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lprc)
            return FALSE;
        return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top &&
               pt.y < lprc->bottom;
    });
}
