// Rectangle helpers.
#include "windows.h"

// As Windows: the right and bottom edges lie outside the rectangle.
BOOL WINAPI PtInRect(const RECT *lprc, POINT pt)
{
    if (!lprc)
        return FALSE;
    return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}
