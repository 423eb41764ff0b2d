// An event source's registration: its registry key and what it says.
#pragma once

#include <string>

#include "windows.h"

namespace vkslog {

struct SourceConfig {
    std::string messageFile;  // as registered (REG_EXPAND_SZ, ';' between files)
    std::string logFolder;    // DOS path
    std::string backupFolder;
    std::string logPrefix;
    DWORD maxLogFiles = 0;
    DWORD typesSupported = 0;
    DWORD categoryCount = 0;
};

// "System\\CurrentControlSet\\Services\\EventLog\\Application\\<source>" under HKLM.
std::string sourceKeyPath(const std::string &source);

// Writes the source's key (created when missing), its message file last. A Win32 code.
LONG writeSourceConfig(const std::string &source, const SourceConfig &config);
// Reads it; ERROR_FILE_NOT_FOUND when the source is not installed, or not wholly.
LONG readSourceConfig(const std::string &source, SourceConfig &config);
// Deletes the source's key.
LONG removeSource(const std::string &source);

}  // namespace vkslog
