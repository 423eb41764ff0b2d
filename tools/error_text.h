// The text of a Win32 error code, for the tool's messages.
#pragma once

#include <string>

#include "windows.h"

namespace tool {

// "Access is denied. (error 5)"; "error N" alone when the system has no text for the code.
std::string errorText(DWORD error);

}  // namespace tool
