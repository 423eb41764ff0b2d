// PreInitMenu: tidies a menu before it is shown, so that no separator leads, doubles or ends it
// and no submenu is empty.
#pragma once

#include "afxwin.h"

// One pass by position, re-reading the item count after every step. With `recurse` set, each
// submenu is tidied before it is judged. A separator that becomes the last item only through a
// later removal stays. Empty submenus are taken out of the menu (RemoveMenu), not destroyed.
// 1 when done, 0 when an item's information could not be read (a bad menu, or a submenu's).
AFX_EXT_API int PreInitMenu(CMenu *pMenu, int recurse);
