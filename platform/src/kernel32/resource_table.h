// Internal: the resources registered by each module, found by module handle.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail {

// The UTF-8 text of string `id` in `module` (null: the program). False with
// ERROR_RESOURCE_TYPE_NOT_FOUND when the module has no string table, ERROR_RESOURCE_NAME_NOT_FOUND
// when the string's block is missing, and false with no error for a missing entry of an existing
// block (Windows cannot tell it from an empty one).
bool findString(HMODULE module, UINT id, std::string &utf8, DWORD &error);

}  // namespace vks::detail

namespace vks::detail {

// A resource that VksRegisterResource added to `module` (null: the program), or null with
// ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
HRSRC findRegisteredResource(HMODULE module, LPCSTR name, LPCSTR type, DWORD &error);

}  // namespace vks::detail
