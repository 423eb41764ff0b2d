// Resources of any type that modules register whole: dialog templates, bitmaps.
#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "kernel32/module.h"
#include "kernel32/resource_table.h"
#include "vksboundary.h"
#include "vksresource.h"

namespace vks::detail {

namespace {

// A type or name as Windows keeps it: a number, or a text in capitals ("#12" is the number 12).
struct ResourceId {
    WORD number = 0;
    std::string text;
    auto operator<=>(const ResourceId &) const = default;
};

bool toResourceId(LPCSTR given, ResourceId &id)
{
    if (!given)
        return false;
    if (IS_INTRESOURCE(given)) {
        id.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(given));
        return id.number != 0;
    }
    std::string text(given);
    if (text.size() > 1 && text[0] == '#' &&
        text.find_first_not_of("0123456789", 1) == std::string::npos && text.size() <= 6) {
        unsigned long number = std::stoul(text.substr(1));
        if (number > 0 && number <= 0xFFFF) {
            id.number = static_cast<WORD>(number);
            return true;
        }
    }
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    id.text = std::move(text);
    return !id.text.empty();
}

// One registered resource; its address is its HRSRC, its bytes' address its HGLOBAL.
struct RegisteredResource {
    std::vector<unsigned char> bytes;
};

using ResourceKey = std::pair<ResourceId, ResourceId>;  // type, name

struct Registry {
    std::mutex mutex;
    std::map<HMODULE, std::map<ResourceKey, RegisteredResource>> modules;
};

// Never destroyed: modules unregister from their own static destructors.
Registry &registry()
{
    static Registry *instance = new Registry;
    return *instance;
}

const RegisteredResource *resourceOf(Registry &reg, HRSRC handle)
{
    for (const auto &[module, resources] : reg.modules)
        for (const auto &[key, resource] : resources)
            if (reinterpret_cast<HRSRC>(const_cast<RegisteredResource *>(&resource)) == handle)
                return &resource;
    return nullptr;
}

}  // namespace

HRSRC findRegisteredResource(HMODULE module, LPCSTR name, LPCSTR type, DWORD &error)
{
    ResourceKey key;
    if (!toResourceId(type, key.first)) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    if (!toResourceId(name, key.second)) {
        error = ERROR_RESOURCE_NAME_NOT_FOUND;
        return nullptr;
    }
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    auto resources = reg.modules.find(module ? module : programModule());
    if (resources == reg.modules.end()) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    auto found = resources->second.lower_bound({key.first, ResourceId{}});
    if (found == resources->second.end() || found->first.first != key.first) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return nullptr;
    }
    found = resources->second.find(key);
    if (found == resources->second.end()) {
        error = ERROR_RESOURCE_NAME_NOT_FOUND;
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(&found->second);
}

}  // namespace vks::detail

using namespace vks::detail;

BOOL VksRegisterResource(const void *addressInModule, LPCSTR type, LPCSTR name,
                         const void *bytes, size_t size)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        ResourceKey key;
        if (!module || !toResourceId(type, key.first) || !toResourceId(name, key.second) ||
            (!bytes && size))
            return FALSE;
        const auto *begin = static_cast<const unsigned char *>(bytes);
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        reg.modules[module][key].bytes.assign(begin, begin + size);
        return TRUE;
    });
}

BOOL VksUnregisterResources(const void *addressInModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        return module && reg.modules.erase(module) ? TRUE : FALSE;
    });
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo)
{
    return vks::atWin32Boundary<HGLOBAL>(nullptr, [&]() -> HGLOBAL {
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        const RegisteredResource *resource = hResInfo ? resourceOf(reg, hResInfo) : nullptr;
        if (!resource) {
            SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
            return nullptr;
        }
        // The bytes stay where they are while the module keeps them registered, as a loaded module's
        // resources stay mapped.
        return reinterpret_cast<HGLOBAL>(const_cast<unsigned char *>(resource->bytes.data()));
    });
}

LPVOID WINAPI LockResource(HGLOBAL hResData)
{
    return vks::atWin32Boundary<LPVOID>(nullptr, [&]() -> LPVOID {
        return hResData;
    });
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC hResInfo)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        const RegisteredResource *resource = hResInfo ? resourceOf(reg, hResInfo) : nullptr;
        if (!resource) {
            SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
            return 0;
        }
        return static_cast<DWORD>(resource->bytes.size());
    });
}

BOOL WINAPI FreeResource(HGLOBAL)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        // Resources live as long as their module; Win32 keeps this call only for old programs.
        return FALSE;
    });
}
