/* vkspath.h: the host file behind a DOS path, for code that opens files with the C++ standard
   library's streams, which know nothing of the drive map; and whole appends to a shared file. */
#ifndef VKS_VKSPATH_H
#define VKS_VKSPATH_H

#include "windef.h"
#include "vkslinkage.h"

VKS_BEGIN_EXPORTED_C

/* Writes the host path of `path` into `hostPath`: a DOS path through the drive map, each existing
   component matched without regard to letter case and the rest kept as given; a path beginning
   with '/' unchanged. Like GetWindowsDirectoryA: the length without the NUL when it fits in
   `size`, else the size needed with it (nothing written). 0 with the last error set when the
   path names no host file: ERROR_INVALID_NAME (null or empty), ERROR_INVALID_DRIVE (a drive
   that is not mapped), ERROR_BAD_PATHNAME (a network path). */
DWORD VksHostPathOf(LPCSTR path, LPSTR hostPath, DWORD size);

/* Appends `size` bytes to the file at `path` (a DOS path through the drive map, or a host path),
   creating it when missing, in one write at the end of the file under an exclusive lock, so that
   what several processes append at once never interleaves: the event-log library's day files.
   FALSE with the last error set: the path's error as for VksHostPathOf, ERROR_INVALID_PARAMETER
   for null bytes with a size, else the error of the failed open, lock or write. */
BOOL VksAppendWhole(LPCSTR path, LPCVOID bytes, DWORD size);

VKS_END_EXPORTED_C

#endif
