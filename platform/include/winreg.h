/* winreg.h: registry types and the predefined keys. */
#ifndef VKS_WINREG_H
#define VKS_WINREG_H

#include "windef.h"

DECLARE_HANDLE(HKEY);
typedef HKEY *PHKEY;
typedef DWORD REGSAM;

/* The predefined keys are fixed handle values, sign-extended as on 64-bit Windows. */
#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))
#define HKEY_USERS ((HKEY)(ULONG_PTR)((LONG)0x80000003))
#define HKEY_PERFORMANCE_DATA ((HKEY)(ULONG_PTR)((LONG)0x80000004))
#define HKEY_CURRENT_CONFIG ((HKEY)(ULONG_PTR)((LONG)0x80000005))
#define HKEY_DYN_DATA ((HKEY)(ULONG_PTR)((LONG)0x80000006))

#endif
