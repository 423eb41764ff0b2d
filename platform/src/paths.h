// Internal: DOS paths and the drive map. A DOS path ("c:\\windows\\win.ini") names a host file
// through the folder mapped to its drive; a path beginning with '/' is a host path as it stands.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail {

// The host path for `dosPath`. Each existing component is matched without regard to letter
// case (the first match in directory order wins); the rest is kept as given. A relative name is
// resolved against `relativeTo` (a DOS path of a folder; the Windows directory when empty).
// Fails with ERROR_INVALID_DRIVE for a drive that is not mapped and ERROR_INVALID_NAME for text
// that is no path at all (empty, a bare "c:" with nothing after it).
bool resolveDosPath(const std::string &dosPath, std::string &hostPath, DWORD &error,
                    const std::string &relativeTo = {});

// "C:\\WINDOWS" and "C:\\WINDOWS\\SYSTEM": as installed, without a trailing backslash.
std::string windowsDirectory();
std::string systemDirectory();

// Makes the default drive C's folder tree (C:\\WINDOWS\\SYSTEM in the user's data folder) if
// drive C is that default and it is not made yet. Every operation that writes calls it first;
// reading never creates it.
void prepareDriveForWrite();

// The DOS path of a host path ("Z:\\..." unless it lies in a mapped drive's folder).
std::string dosPathOf(const std::string &hostPath);

}  // namespace vks::detail
