/* winbase.h: the kernel functions of the Win32 subset. */
#ifndef VKS_WINBASE_H
#define VKS_WINBASE_H

#include <stdarg.h>

#include "windef.h"
#include "winerror.h"

VKS_BEGIN_EXPORTED_C

/* Last error: one value per thread. */
/* nNumber * nNumerator / nDenominator through a 64-bit product, rounded half away from zero;
   -1 when nDenominator is 0 or the result does not fit in an int. */
int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);

/* Private profiles (INI files), read and written by Windows' rules. A bare file name (no drive,
   no '\\' or '/') names a file in the Windows directory; any other name is a path, from the
   current folder unless it has a drive or a root; an empty name is refused (write: FALSE with
   ERROR_ACCESS_DENIED). Files with a UTF-16 byte order mark are read and written as UTF-16.
   A read that answers the default leaves GetLastError() at ERROR_ACCESS_DENIED when the file is
   there but cannot be opened for reading (no permission, a folder in its place), and at
   ERROR_FILE_NOT_FOUND when the file, its folder, the section or the key is missing. A list read
   (null section or key) of a file that can be read leaves the error as it was. */
DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                      LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault,
                                  LPCSTR lpFileName);
BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                       LPCSTR lpFileName);
DWORD WINAPI GetProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize);
UINT WINAPI GetProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault);

/* Time. */
BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME *lpSystemTime, LPFILETIME lpFileTime);
BOOL WINAPI FileTimeToSystemTime(const FILETIME *lpFileTime, LPSYSTEMTIME lpSystemTime);
BOOL WINAPI DosDateTimeToFileTime(WORD wFatDate, WORD wFatTime, LPFILETIME lpFileTime);
BOOL WINAPI FileTimeToDosDateTime(const FILETIME *lpFileTime, LPWORD lpFatDate, LPWORD lpFatTime);
BOOL WINAPI LocalFileTimeToFileTime(const FILETIME *lpLocalFileTime, LPFILETIME lpFileTime);
BOOL WINAPI FileTimeToLocalFileTime(const FILETIME *lpFileTime, LPFILETIME lpLocalFileTime);
LONG WINAPI CompareFileTime(const FILETIME *lpFileTime1, const FILETIME *lpFileTime2);
void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime);
void WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime);
DWORD WINAPI GetTickCount(void);

/* Directories and files. */
UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize);
UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize);
BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);

/* File attributes and the directory entry of a file search. */
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

typedef struct _WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *PWIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

/* Strings. Windows catches the fault of a bad pointer in these: lstrlenA then returns 0 and
   IsBadStringPtrA nonzero. Here a pointer into the first 64 KiB (null included), which Windows
   never maps, is bad and never read; any other pointer is taken as readable up to its NUL, since
   memory cannot be probed cheaply and a fault is not caught. */
int WINAPI lstrlenA(LPCSTR lpString);
BOOL WINAPI IsBadStringPtrA(LPCSTR lpsz, UINT_PTR ucchMax);

/* Debugging: the text goes unchanged to the debugger (see VksHostSetDebugOutput); a bad pointer,
   as IsBadStringPtrA judges it, sends nothing. */
void WINAPI OutputDebugStringA(LPCSTR lpOutputString);

/* Modules and resources. */
#define LOAD_WITH_ALTERED_SEARCH_PATH 0x00000008

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags);
BOOL WINAPI FreeLibrary(HMODULE hLibModule);
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_MESSAGETABLE MAKEINTRESOURCEA(11)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)
#define RT_VERSION MAKEINTRESOURCEA(16)

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID WINAPI LockResource(HGLOBAL hResData);
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
BOOL WINAPI FreeResource(HGLOBAL hResData);

/* Local memory: the buffers FormatMessageA allocates. LocalFree returns NULL on success. */
typedef HANDLE HLOCAL;
#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)
HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);
HLOCAL WINAPI LocalFree(HLOCAL hMem);

/* Message texts from a module's message table (see vksresource.h), from the system's few texts
   (FORMAT_MESSAGE_FROM_SYSTEM) or from a string, with their inserts expanded as Windows expands
   them. The result is in the ANSI code page; the count excludes the NUL. Windows' limits and
   failures: nSize is at most 32,767 (ERROR_INVALID_PARAMETER beyond), an allocated result at most
   128 KiB (ERROR_MORE_DATA); an empty result stores nothing and fails with ERROR_NO_WORK_DONE; a
   null lpBuffer fails with ERROR_INSUFFICIENT_BUFFER, or ERROR_NOT_ENOUGH_MEMORY when allocating.
   With FORMAT_MESSAGE_ALLOCATE_BUFFER the pointer is set to NULL before anything is checked. With
   an argument array, every entry an insert reads must be there, '*' fields included. */
#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_STRING 0x00000400
#define FORMAT_MESSAGE_FROM_HMODULE 0x00000800
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_ARGUMENT_ARRAY 0x00002000
#define FORMAT_MESSAGE_MAX_WIDTH_MASK 0x000000FF
DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                            LPSTR lpBuffer, DWORD nSize, va_list *Arguments);

/* Critical sections: recursive, owned by one thread at a time. The record must be initialised
   before use and deleted, unowned, when done. */
typedef struct _RTL_CRITICAL_SECTION {
  PVOID DebugInfo;
  LONG LockCount;
  LONG RecursionCount;
  HANDLE OwningThread;
  HANDLE LockSemaphore;
  ULONG_PTR SpinCount;
} CRITICAL_SECTION, *PCRITICAL_SECTION, *LPCRITICAL_SECTION;

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
DWORD WINAPI GetCurrentThreadId(void);

/* Kernel objects. A handle names one object until CloseHandle (ERROR_INVALID_HANDLE for a handle
   that names nothing); the object goes with its last handle. */
BOOL WINAPI CloseHandle(HANDLE hObject);

/* Mutexes, owned by one thread, recursively. A named mutex is seen by every process of the host
   user (see VksHostSetObjectFolder): when the name exists already, in this process or another,
   the call gives a new handle to it with ERROR_ALREADY_EXISTS and ignores bInitialOwner;
   otherwise the error is ERROR_SUCCESS. Names are case-sensitive, at most MAX_PATH bytes
   (ERROR_FILENAME_EXCED_RANGE); "Local\\" is the bare name's namespace, "Global\\" another, and
   any other backslash fails with ERROR_PATH_NOT_FOUND. A name whose last holder dies is free
   again. ReleaseMutex fails with ERROR_NOT_OWNER for a thread that does not own the mutex. */
HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES lpMutexAttributes, BOOL bInitialOwner,
                           LPCSTR lpName);
BOOL WINAPI ReleaseMutex(HANDLE hMutex);

/* System version. dwOSVersionInfoSize must be 148 (OSVERSIONINFOA) or 156 (OSVERSIONINFOEXA);
   any other size fails with ERROR_INSUFFICIENT_BUFFER. */
#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2
#define VER_NT_WORKSTATION 1

typedef struct _OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
} OSVERSIONINFOA, *POSVERSIONINFOA, *LPOSVERSIONINFOA;

typedef struct _OSVERSIONINFOEXA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
  WORD wServicePackMajor;
  WORD wServicePackMinor;
  WORD wSuiteMask;
  BYTE wProductType;
  BYTE wReserved;
} OSVERSIONINFOEXA, *POSVERSIONINFOEXA, *LPOSVERSIONINFOEXA;

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);

VKS_END_EXPORTED_C

#endif
