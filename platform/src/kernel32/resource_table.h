// Internal: the resources of each module, by type, name and language, as the modules register
// them when they load. FindResourceA, LoadResource and SizeofResource read them; LoadStringA
// and the menu, bitmap and icon loaders go through them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "windows.h"

namespace vks::detail {

// A type or name as Windows keeps it: a number, or a text in capitals (UTF-8).
struct ResourceId {
    WORD number = 0;
    std::string text;
    auto operator<=>(const ResourceId &) const = default;
};

// A number (MAKEINTRESOURCE), "#12", or a name given in the ANSI code page. False for null, 0
// and "".
bool toResourceId(LPCSTR given, ResourceId &id);

// Who registered a resource: each unregistering call removes only its own.
enum class ResourceOrigin : unsigned {
    Whole = 1,         // VksRegisterResource, VksRegisterResourceImage
    StringTable = 2,   // VksRegisterStringTable
    MessageTable = 4,  // VksRegisterMessageTable
};

// Adds or replaces a resource with a copy of `bytes`.
void putResource(HMODULE module, const ResourceId &type, const ResourceId &name, WORD language,
                 std::vector<unsigned char> bytes, ResourceOrigin origin);
// Adds or replaces a resource whose bytes stay where they are until it is removed.
void putResourceView(HMODULE module, const ResourceId &type, const ResourceId &name,
                     WORD language, const unsigned char *bytes, std::size_t size,
                     ResourceOrigin origin);
// Replaces a resource with what `change` makes of its bytes (null and 0 when it has none yet),
// under the registry's lock so that two changes of one resource do not lose either.
using ResourceChange =
    std::function<std::vector<unsigned char>(const unsigned char *bytes, std::size_t size)>;
void changeResource(HMODULE module, const ResourceId &type, const ResourceId &name,
                    WORD language, const ResourceChange &change, ResourceOrigin origin);
// Removes the module's resources of `origin`; false when it had none.
bool removeResources(HMODULE module, ResourceOrigin origin);

// The resource a program would find (null `module`: the program), in the language Windows
// chooses: neutral, the thread's, the user's, the system's, US English, then any. Null with
// ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
HRSRC findResource(HMODULE module, const ResourceId &type, const ResourceId &name, DWORD &error);

// A found resource's bytes, which stay in place while the module keeps it; false for a handle
// that names no resource.
bool resourceBytes(HRSRC resource, const unsigned char *&bytes, std::size_t &size);

// The UTF-8 text of string `id` in `module` (null: the program). False with
// ERROR_RESOURCE_TYPE_NOT_FOUND when the module has no string table, ERROR_RESOURCE_NAME_NOT_FOUND
// when the string's block is missing, and false with no error for a missing entry of an existing
// block (Windows cannot tell it from an empty one).
bool findString(HMODULE module, UINT id, std::string &utf8, DWORD &error);

}  // namespace vks::detail
