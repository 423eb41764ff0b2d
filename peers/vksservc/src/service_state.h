// Internal: the state the host sets and the counters the host reads, shared by the stand-in's
// sources.
#pragma once

#include <atomic>

#include "windows.h"

namespace vks::detail {

struct ServiceState {
    std::atomic<BOOL> isService{FALSE};
    std::atomic<BOOL> isLoggedOn{FALSE};
    std::atomic<DWORD> profileCalls{0};
    std::atomic<DWORD> loggedOnQueries{0};
};

ServiceState &serviceState();

}  // namespace vks::detail
