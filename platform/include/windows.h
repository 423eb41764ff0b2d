/* windows.h: the umbrella over the Win32 subset's headers. */
#ifndef VKS_WINDOWS_H
#define VKS_WINDOWS_H

#include "windef.h"
#include "winnt.h"
#include "winerror.h"
#include "winbase.h"
#include "winnls.h"
#include "winuser.h"
#include "winreg.h"
#include "wingdi.h"
#include "winver.h"

#endif
