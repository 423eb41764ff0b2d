// Internal: which host file a profile file name means.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail {

// The host path of the profile file `fileName`, as Windows places it: null is win.ini; a bare
// file name (no drive, no '\' or '/') lies in the Windows directory; any other name is a path,
// relative to the current folder unless it has a drive or a root. An empty name fails with
// ERROR_ACCESS_DENIED, as it does on Windows.
//
// Resolutions are kept per name while the drive map stays the same: `fromCache` tells that the
// path was not checked against the disk, so a caller that then finds no file there should ask
// again with `fresh` set.
bool profileHostPath(LPCSTR fileName, bool fresh, std::string &hostPath, DWORD &error,
                     bool &fromCache);

// Whether the file `fileName` names depends on the current folder: a relative path that is not a
// bare file name.
bool profilePathIsRelative(LPCSTR fileName);

}  // namespace vks::detail
