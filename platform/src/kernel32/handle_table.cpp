// The kernel-object handle table and CloseHandle.
#include "kernel32/handle_table.h"
#include "kernel32/no_destructor.h"
#include "vksboundary.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace vks::detail {

namespace {

// Handles are multiples of 4, as on Windows, from a range no other handle of the platform uses;
// they are not reused, so a stale handle is refused rather than naming someone else's object.
constexpr std::uintptr_t kFirstHandle = 0x7c0004;
constexpr std::uintptr_t kHandleStep = 4;

struct HandleTable {
    std::mutex lock;
    std::uintptr_t next = kFirstHandle;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects;
};

HandleTable &handleTable()
{
    static NoDestructor<HandleTable> table;
    return *table;
}

}  // namespace

HANDLE addHandle(std::shared_ptr<KernelObject> object)
{
    HandleTable &table = handleTable();
    std::lock_guard guard(table.lock);
    HANDLE handle = reinterpret_cast<HANDLE>(table.next);
    table.next += kHandleStep;
    table.objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<KernelObject> objectOfHandle(HANDLE handle)
{
    HandleTable &table = handleTable();
    std::lock_guard guard(table.lock);
    auto found = table.objects.find(handle);
    return found == table.objects.end() ? nullptr : found->second;
}

bool removeHandle(HANDLE handle)
{
    std::shared_ptr<KernelObject> last;
    HandleTable &table = handleTable();
    std::lock_guard guard(table.lock);
    auto found = table.objects.find(handle);
    if (found == table.objects.end())
        return false;
    last = std::move(found->second);
    table.objects.erase(found);
    return true;
}

}  // namespace vks::detail

BOOL WINAPI CloseHandle(HANDLE hObject)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!vks::detail::removeHandle(hObject)) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        return TRUE;
    });
}
