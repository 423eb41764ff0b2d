/* vkspath.h: the host file behind a DOS path, for code that opens files with the C++ standard
   library's streams, which know nothing of the drive map. */
#ifndef VKS_VKSPATH_H
#define VKS_VKSPATH_H

#include "windef.h"

VKS_BEGIN_EXTERN_C

/* Writes the host path of `path` into `hostPath`: a DOS path through the drive map, each existing
   component matched without regard to letter case and the rest kept as given; a path beginning
   with '/' unchanged. Like GetWindowsDirectoryA: the length without the NUL when it fits in
   `size`, else the size needed with it (nothing written). 0 with the last error set when the
   path names no host file: ERROR_INVALID_NAME (null or empty), ERROR_INVALID_DRIVE (a drive
   that is not mapped), ERROR_BAD_PATHNAME (a network path). */
DWORD VksHostPathOf(LPCSTR path, LPSTR hostPath, DWORD size);

VKS_END_EXTERN_C

#endif
