// The day files of a log: where they are, appending to them, reading them back.
#pragma once

#include <string>
#include <vector>

#include "log_entry.h"

namespace vkslog {

// The host path of a DOS path; false with the Win32 code when it names nothing reachable.
bool hostPathOf(const std::string &dosPath, std::string &hostPath, DWORD &error);

// "<folder>\\<prefix>MMDD.LOG" for the day of `time`.
std::string dayFilePath(const std::string &folder, const std::string &prefix, const SYSTEMTIME &time);

// Appends one entry to the file at `dosPath`, creating its folder when missing. A Win32 code.
DWORD appendEntry(const std::string &dosPath, const LogEntry &entry);

// The host paths of the log's day files (<prefix>????.LOG, any case), oldest first.
std::vector<std::string> dayFiles(const std::string &folder, const std::string &prefix);

// The entries of the files, in order.
std::vector<LogEntry> readEntries(const std::vector<std::string> &hostPaths);

}  // namespace vkslog
