// Internal: string tables as Windows lays them out, RT_STRING blocks of 16 strings: block
// id / 16 + 1 holds strings id / 16 * 16 to that + 15, each a count and its UTF-16 units.
#pragma once

#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

// Sets string `id` of `module`'s neutral string table to `utf8`, making its block as needed.
void setStringEntry(HMODULE module, UINT id, std::string_view utf8);

}  // namespace vks::detail
