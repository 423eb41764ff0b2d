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

// An absolute DOS path ("C:\\a\\.\\b\\..\\c") in its tidy form ("C:\\a\\c"), as every
// resolution takes it: empty names and "." dropped, ".." taking one back but never past the root,
// a trail byte that looks like a separator kept in its character. "C:\\" for the root.
std::string tidyDosPath(const std::string &dosPath);

// Where the path's last component starts: after its last separator or its drive's colon, a
// trail byte that looks like one separating nothing.
std::size_t dosFileNameOffset(const std::string &dosPath);

// Counts changes of the drive map, so that a resolution kept by a caller can be checked.
unsigned driveMapGeneration();

// The process's current folder as a host path; empty when it no longer exists.
std::string currentHostDirectory();

// "C:\\WINDOWS" and "C:\\WINDOWS\\SYSTEM": as installed, without a trailing backslash.
std::string windowsDirectory();
std::string systemDirectory();

// Makes drive C's Windows and system folders (C:\\WINDOWS\\SYSTEM, and the drive's own folder
// when it is the default one in the user's data folder) the first time it is called for that
// drive, whichever way it was chosen. Every operation that writes calls it first; reading never
// creates them.
void prepareDriveForWrite();

// The DOS path of a host path ("Z:\\..." unless it lies in a mapped drive's folder).
std::string dosPathOf(const std::string &hostPath);

}  // namespace vks::detail
