// Internal: the changes a profile write makes to an INI file, as new file bytes.
//
// Each edit changes only the lines it must; every other byte of the file stays as it was. An edit
// that would change nothing returns no bytes, so the file need not be written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kernel32/ini_document.h"

namespace vks::detail {

// Sets `key` of `section` to `value`. An existing key keeps its spelling and the text before its
// value; a new key goes after the last key line of the section; a new section goes at the end of
// the file as "[section]" then "key=value". New lines use the file's own line ending.
std::optional<std::string> setIniValue(const IniDocument &doc, std::string_view section,
                                       std::string_view key, std::string_view value);

// Removes every line of `key` in the first section of that name.
std::optional<std::string> removeIniKey(const IniDocument &doc, std::string_view section,
                                        std::string_view key);

// Removes every section of that name: its header and all lines up to the next header.
std::optional<std::string> removeIniSection(const IniDocument &doc, std::string_view section);

}  // namespace vks::detail
