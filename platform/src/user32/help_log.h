// Internal: the help log, where the help viewer's requests go on a host without a viewer.
#pragma once

#include <string>

#include "windows.h"

namespace vks::detail {

// The most pairs of a help map that a line shows; a longer map is cut there and marked.
constexpr std::size_t kMaxLoggedMapPairs = 64;

// One line (without its end) that tells a person what was asked: the local time, the command,
// the file and window, then the topic, or the control and its map entries for context help.
std::string helpLogLine(const SYSTEMTIME &now, HWND owner, const char *file, UINT command,
                        ULONG_PTR data);

// Appends the line and a line end to help.log in the user's data folder, making the folder.
BOOL appendToHelpLog(const std::string &line);

}  // namespace vks::detail
