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

/* Value types. */
#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7

VKS_BEGIN_EXPORTED_C

/* The registry subset. Every function RETURNS its Win32 code (ERROR_SUCCESS, ERROR_FILE_NOT_FOUND
   for a missing key or value, ERROR_INVALID_HANDLE for a handle that is no open key,
   ERROR_INVALID_PARAMETER, ERROR_MORE_DATA with the needed size, ERROR_KEY_DELETED for a handle
   whose key was deleted meanwhile) and leaves the thread's last error alone. Key and value names
   are matched without regard to case and keep the case they were created with. The keys and
   values persist per drive C, in C:\WINDOWS\VKSREG.DAT, which every change replaces whole (a
   call that changes nothing leaves it alone); other processes see a change at their next call.
   HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS and HKEY_CURRENT_CONFIG
   are kept; the other predefined keys are invalid handles here. */

/* Opens an existing key; a null or empty `lpSubKey` gives `hKey` itself. */
LONG WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult);
/* Opens a key, creating it and any missing keys above it. */
LONG WINAPI RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult);
/* Reads a value (null or empty name: the key's default value). `lpType`, `lpData` and `lpcbData`
   may each be null, except that data needs its size; with null data the value's size is
   reported. A buffer too small gives ERROR_MORE_DATA with the needed size and no data. */
LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                             LPBYTE lpData, LPDWORD lpcbData);
/* Stores `cbData` bytes as they are, with the type given (REG_SZ data counts its NUL). */
LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                           const BYTE *lpData, DWORD cbData);
/* Deletes a key that has no subkeys (ERROR_ACCESS_DENIED otherwise, as on NT) with its values.
   An empty `lpSubKey` deletes `hKey`'s own key; the predefined keys cannot be deleted. */
LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey);
LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
/* Closes an opened key; closing a predefined key succeeds and does nothing. */
LONG WINAPI RegCloseKey(HKEY hKey);

VKS_END_EXPORTED_C

#endif
