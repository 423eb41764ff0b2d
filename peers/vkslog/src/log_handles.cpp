#include "log_handles.h"

#include <memory>
#include <set>

namespace vkslog {

namespace {

std::set<LogHandle *> &openHandles()
{
    static std::set<LogHandle *> handles;
    return handles;
}

}  // namespace

std::recursive_mutex &handleMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

LogHandle *findHandle(void *handle, unsigned kinds)
{
    auto *candidate = static_cast<LogHandle *>(handle);
    if (!openHandles().count(candidate) || !(kinds & bitOf(candidate->kind)))
        return nullptr;
    return candidate;
}

void *openHandle(LogHandle handle)
{
    std::lock_guard lock(handleMutex());
    auto owned = std::make_unique<LogHandle>(std::move(handle));
    openHandles().insert(owned.get());
    return owned.release();
}

bool closeHandle(void *handle, unsigned kinds)
{
    std::lock_guard lock(handleMutex());
    LogHandle *found = findHandle(handle, kinds);
    if (!found)
        return false;
    openHandles().erase(found);
    delete found;
    return true;
}

}  // namespace vkslog
