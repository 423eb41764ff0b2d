// The resource registry: string tables registered by the modules as they load.
#include "kernel32/resource_table.h"

#include <map>
#include <mutex>

#include "kernel32/module.h"
#include "vksboundary.h"
#include "vksresource.h"

namespace vks::detail {

namespace {

constexpr UINT kStringsPerBlock = 16;
constexpr UINT kLargestId = 0xFFFF;

// Message tables and bitmaps will join the strings here.
struct ModuleResources {
    std::map<UINT, std::string> strings;
};

struct Registry {
    std::mutex mutex;
    std::map<HMODULE, ModuleResources> modules;
};

// Never destroyed: modules unregister from their own static destructors, which may run after
// this library's at exit.
Registry &registry()
{
    static Registry *instance = new Registry;
    return *instance;
}

HMODULE moduleOrProgram(HMODULE module)
{
    return module ? module : programModule();
}

UINT blockOf(UINT id)
{
    return id / kStringsPerBlock + 1;
}

// The first entry of `block`, whose address serves as the block's HRSRC.
const std::pair<const UINT, std::string> *firstOfBlock(const ModuleResources &resources,
                                                       UINT block)
{
    auto first = resources.strings.lower_bound((block - 1) * kStringsPerBlock);
    if (first == resources.strings.end() || blockOf(first->first) != block)
        return nullptr;
    return &*first;
}

}  // namespace

bool findString(HMODULE module, UINT id, std::string &utf8, DWORD &error)
{
    Registry &reg = registry();
    std::lock_guard lock(reg.mutex);
    auto resources = reg.modules.find(moduleOrProgram(module));
    if (resources == reg.modules.end()) {
        error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        return false;
    }
    if (id > kLargestId || !firstOfBlock(resources->second, blockOf(id))) {
        error = ERROR_RESOURCE_NAME_NOT_FOUND;
        return false;
    }
    error = ERROR_SUCCESS;
    auto found = resources->second.strings.find(id);
    if (found == resources->second.strings.end())
        return false;
    utf8 = found->second;
    return true;
}

}  // namespace vks::detail

using namespace vks::detail;

BOOL VksRegisterStringTable(const void *addressInModule, const VksStringResource *entries,
                            size_t count)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        if (!module || (!entries && count))
            return FALSE;
        for (size_t i = 0; i < count; ++i)
            if (entries[i].id > kLargestId)
                return FALSE;
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        ModuleResources &resources = reg.modules[module];
        for (size_t i = 0; i < count; ++i)
            resources.strings[entries[i].id] = entries[i].utf8 ? entries[i].utf8 : "";
        return TRUE;
    });
}

BOOL VksUnregisterStringTables(const void *addressInModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        return module && reg.modules.erase(module) ? TRUE : FALSE;
    });
}

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType)
{
    return vks::atWin32Boundary<HRSRC>(nullptr, [&]() -> HRSRC {
        if (!lpType || !IS_INTRESOURCE(lpType) || lpType != RT_STRING) {
            DWORD error = ERROR_SUCCESS;
            HRSRC found = findRegisteredResource(hModule, lpName, lpType, error);
            if (!found)
                SetLastError(error);
            return found;
        }
        Registry &reg = registry();
        std::lock_guard lock(reg.mutex);
        auto resources = reg.modules.find(moduleOrProgram(hModule));
        if (resources == reg.modules.end()) {
            SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
            return nullptr;
        }
        UINT block = IS_INTRESOURCE(lpName) ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpName)) : 0;
        const auto *first = block ? firstOfBlock(resources->second, block) : nullptr;
        if (!first) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        }
        return reinterpret_cast<HRSRC>(const_cast<std::pair<const UINT, std::string> *>(first));
    });
}
