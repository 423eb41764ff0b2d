// One event as the log files hold it, and its text form (see vkslog.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windows.h"

namespace vkslog {

struct LogEntry {
    SYSTEMTIME time{};
    WORD type = 0;
    WORD category = 0;
    DWORD eventId = 0;
    std::string source;
    std::vector<std::string> strings;
    std::string data;
    std::string message;  // lines separated by CR LF, without a final line break
};

// The entry's text, ending in the blank line that closes it.
std::string entryText(const LogEntry &entry);

// The entries of a log file's text; text that does not parse is skipped.
std::vector<LogEntry> parseEntries(std::string_view text);

// Seconds since 1970-01-01 00:00 of the entry's (local) time.
DWORD secondsSince1970(const SYSTEMTIME &time);

}  // namespace vkslog
