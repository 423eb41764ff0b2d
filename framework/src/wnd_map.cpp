// The handle map: process-wide, as windows of any thread may be looked up.
#include "wnd_map.h"

#include <mutex>
#include <unordered_map>

namespace vks::detail {

namespace {

struct HandleMap {
    std::mutex lock;
    std::unordered_map<HWND, CWnd *> objects;
};

// Never destroyed: windows may go during static destruction.
HandleMap &handleMap()
{
    static HandleMap &map = *new HandleMap;
    return map;
}

}  // namespace

CWnd *windowObject(HWND hwnd)
{
    HandleMap &map = handleMap();
    std::lock_guard guard(map.lock);
    const auto found = map.objects.find(hwnd);
    return found == map.objects.end() ? nullptr : found->second;
}

void mapWindowObject(HWND hwnd, CWnd *wnd)
{
    HandleMap &map = handleMap();
    std::lock_guard guard(map.lock);
    map.objects[hwnd] = wnd;
}

void unmapWindowObject(HWND hwnd)
{
    HandleMap &map = handleMap();
    std::lock_guard guard(map.lock);
    map.objects.erase(hwnd);
}

CWnd *&windowBeingCreated()
{
    thread_local CWnd *creating = nullptr;
    return creating;
}

}  // namespace vks::detail
