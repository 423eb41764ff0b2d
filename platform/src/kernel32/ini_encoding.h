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
// become '?'.
std::string decodeUtf16(std::string_view fileBytes, IniEncoding encoding);

// For each of the ascending offsets into that text, the offset in the file of the character
// the text byte came from (the text's size: where the text ends in the file), so that edits of
// the text can be made to the file's own bytes. Found by decoding again rather than kept, since
// only writes need them.
std::vector<std::size_t> utf16FileOffsets(std::string_view fileBytes, IniEncoding encoding,
                                          const std::vector<std::size_t> &textOffsets);

// ANSI text as UTF-16 in `encoding`, without a mark.
std::string encodeUtf16(std::string_view ansi, IniEncoding encoding);

// Whether `ansi` reads back unchanged from a UTF-16 file: bytes that are no character of the
// code page come back as '?'.
bool survivesUtf16(std::string_view ansi);

}  // namespace vks::detail
