// The stand-in's handles: open sources, open logs and open backups.
#pragma once

#include <mutex>
#include <string>

#include "source_config.h"

namespace vkslog {

struct LogHandle {
    enum class Kind { source, log, backup };

    Kind kind = Kind::source;
    std::string sourceName;
    SourceConfig config;           // source and log
    std::string backupHostPath;    // backup
    bool readStarted = false;      // a sequential read goes on from `nextRecord`
    long long nextRecord = 0;
};

// A new handle that the stand-in owns until it is closed.
void *openHandle(LogHandle handle);

// Runs `work` on the handle when it is one of `kinds` (a bit per Kind), under the handles' lock;
// false when it is not.
template <typename Work>
bool withHandle(void *handle, unsigned kinds, Work work);

// Closes a handle of one of `kinds`; false when it is none.
bool closeHandle(void *handle, unsigned kinds);

constexpr unsigned bitOf(LogHandle::Kind kind)
{
    return 1u << static_cast<unsigned>(kind);
}
constexpr unsigned kSourceHandles = bitOf(LogHandle::Kind::source);
constexpr unsigned kReadHandles = bitOf(LogHandle::Kind::log) | bitOf(LogHandle::Kind::backup);

// Internal to withHandle.
std::recursive_mutex &handleMutex();
LogHandle *findHandle(void *handle, unsigned kinds);

template <typename Work>
bool withHandle(void *handle, unsigned kinds, Work work)
{
    std::lock_guard lock(handleMutex());
    LogHandle *found = findHandle(handle, kinds);
    if (!found)
        return false;
    work(*found);
    return true;
}

}  // namespace vkslog
