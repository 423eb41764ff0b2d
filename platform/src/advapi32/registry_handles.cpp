// The registry's handle table.
#include "advapi32/registry_handles.h"

#include <map>
#include <mutex>

namespace vks::detail {

namespace {

struct PredefinedKey {
    HKEY key;
    const char *root;
};

// HKEY_PERFORMANCE_DATA and HKEY_DYN_DATA hold no keys of their own; they are not served.
const PredefinedKey kPredefinedKeys[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
};

// Handle values are small multiples of four, as the kernel's are, never 0.
constexpr ULONG_PTR kFirstHandle = 0x100;
constexpr ULONG_PTR kHandleStep = 4;

struct HandleTable {
    std::mutex mutex;
    std::map<ULONG_PTR, KeyLocation> open;
    ULONG_PTR next = kFirstHandle;
};

HandleTable &handleTable()
{
    static HandleTable *table = new HandleTable;
    return *table;
}

ULONG_PTR valueOf(HKEY key)
{
    return reinterpret_cast<ULONG_PTR>(key);
}

}  // namespace

bool isPredefinedKey(HKEY key)
{
    for (const PredefinedKey &entry : kPredefinedKeys)
        if (entry.key == key)
            return true;
    return false;
}

bool keyLocationOf(HKEY key, KeyLocation &location)
{
    for (const PredefinedKey &entry : kPredefinedKeys)
        if (entry.key == key) {
            location = {entry.root, {}};
            return true;
        }
    HandleTable &table = handleTable();
    std::lock_guard lock(table.mutex);
    auto found = table.open.find(valueOf(key));
    if (found == table.open.end())
        return false;
    location = found->second;
    return true;
}

HKEY openKeyHandle(const KeyLocation &location)
{
    HandleTable &table = handleTable();
    std::lock_guard lock(table.mutex);
    while (table.open.count(table.next) || table.next < kFirstHandle)
        table.next += kHandleStep;
    ULONG_PTR value = table.next;
    table.next += kHandleStep;
    table.open.emplace(value, location);
    return reinterpret_cast<HKEY>(value);
}

bool closeKeyHandle(HKEY key)
{
    if (isPredefinedKey(key))
        return true;
    HandleTable &table = handleTable();
    std::lock_guard lock(table.mutex);
    return table.open.erase(valueOf(key)) > 0;
}

}  // namespace vks::detail
