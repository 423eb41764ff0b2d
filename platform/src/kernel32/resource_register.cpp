// What modules register when they load: whole resources, .res images, string tables.
#include <string>

#include "kernel32/module.h"
#include "kernel32/resource_image.h"
#include "kernel32/resource_strings.h"
#include "kernel32/resource_table.h"
#include "vksboundary.h"
#include "vksresource.h"

using namespace vks::detail;

namespace {

constexpr UINT kLargestStringId = 0xFFFF;

}  // namespace

BOOL VksRegisterResource(const void *addressInModule, LPCSTR type, LPCSTR name,
                         const void *bytes, size_t size)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        ResourceId typeId, nameId;
        if (!module || !toResourceId(type, typeId) || !toResourceId(name, nameId) ||
            (!bytes && size))
            return FALSE;
        const auto *begin = static_cast<const unsigned char *>(bytes);
        putResource(module, typeId, nameId, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                    std::vector<unsigned char>(begin, begin + size), ResourceOrigin::Whole);
        return TRUE;
    });
}

BOOL VksRegisterResourceImage(const void *addressInModule, const void *image, size_t size)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        if (!module)
            return FALSE;
        const auto resources = readResourceImage(static_cast<const unsigned char *>(image), size);
        if (!resources)
            return FALSE;
        for (const ImageResource &resource : *resources)
            putResourceView(module, resource.type, resource.name, resource.language,
                            resource.bytes, resource.size, ResourceOrigin::Whole);
        return TRUE;
    });
}

BOOL VksUnregisterResources(const void *addressInModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        return removeResources(moduleContaining(addressInModule), ResourceOrigin::Whole);
    });
}

BOOL VksRegisterStringTable(const void *addressInModule, const VksStringResource *entries,
                            size_t count)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        HMODULE module = moduleContaining(addressInModule);
        if (!module || (!entries && count))
            return FALSE;
        for (size_t i = 0; i < count; ++i)
            if (entries[i].id > kLargestStringId)
                return FALSE;
        for (size_t i = 0; i < count; ++i)
            setStringEntry(module, entries[i].id, entries[i].utf8 ? entries[i].utf8 : "");
        return TRUE;
    });
}

BOOL VksUnregisterStringTables(const void *addressInModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        return removeResources(moduleContaining(addressInModule), ResourceOrigin::StringTable);
    });
}
