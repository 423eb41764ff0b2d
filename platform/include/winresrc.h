/* winresrc.h: what a resource script includes for the names of styles, identifiers, languages
   and version constants (vksrc also knows these names without it). */
#ifndef VKS_WINRESRC_H
#define VKS_WINRESRC_H

#include "windef.h"
#include "winnt.h"
#include "winuser.h"
#include "commctrl.h"
#include "winver.h"

#endif
