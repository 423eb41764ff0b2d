// Internal: the one road from every profile operation to the file. A service process with a
// user logged on goes through the system-services library; every other process calls the
// platform. The state is asked again at each call.
#pragma once

#include "windows.h"

namespace vks::detail {

DWORD profileGetString(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                       LPCSTR file);
UINT profileGetInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file);
BOOL profileWriteString(LPCSTR section, LPCSTR key, LPCSTR text, LPCSTR file);

}  // namespace vks::detail
