// VKSEVENTLOGRECORD bytes for an entry (layout in vkslog.h).
#pragma once

#include <string>

#include "log_entry.h"

namespace vkslog {

std::string recordBytes(const LogEntry &entry, DWORD recordNumber);

}  // namespace vkslog
