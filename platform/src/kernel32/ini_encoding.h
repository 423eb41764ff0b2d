// Internal: INI files kept in UTF-16, seen by the parser as text in the ANSI code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vks::detail {

enum class IniEncoding { Ansi, Utf16Le, Utf16Be };

// The encoding its byte order mark gives the file; a file without one is ANSI.
IniEncoding detectIniEncoding(std::string_view fileBytes);

// The text of a UTF-16 file (mark excluded) in the ANSI code page; characters without a mapping
// become '?'. `offsets` receives, for each text byte and one past the end, the file offset of
// the character it came from, so that edits of the text can be made to the file's own bytes.
std::string decodeUtf16(std::string_view fileBytes, IniEncoding encoding,
                        std::vector<std::size_t> &offsets);

// ANSI text as UTF-16 in `encoding`, without a mark.
std::string encodeUtf16(std::string_view ansi, IniEncoding encoding);

// Whether `ansi` reads back unchanged from a UTF-16 file: bytes that are no character of the
// code page come back as '?'.
bool survivesUtf16(std::string_view ansi);

}  // namespace vks::detail
