#if !defined(__unix__)
#error "dl_posix.cpp is the POSIX loader layer; build it only on a POSIX host"
#endif

#include "posix/dl_posix.h"

#include <dlfcn.h>
#include <link.h>

#include "posix/fs_posix.h"

namespace vks::detail::posix {

namespace {

const void *programBase()
{
    static const void *base = [] {
        void *self = dlopen(nullptr, RTLD_NOW);
        const void *found = self ? baseOf(self) : nullptr;
        if (self)
            dlclose(self);
        return found;
    }();
    return base;
}

// The loader reports the program under an empty or argv[0]-like name.
std::string pathOf(const void *base, const char *loaderName)
{
    if (base == programBase() || !loaderName || !*loaderName)
        return executablePath();
    return loaderName;
}

int addObject(dl_phdr_info *info, size_t, void *data)
{
    auto &objects = *static_cast<std::vector<LoadedObject> *>(data);
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type != PT_LOAD)
            continue;
        Dl_info found;
        const void *firstSegment =
            reinterpret_cast<const void *>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
        if (dladdr(firstSegment, &found) && found.dli_fbase)
            objects.push_back({found.dli_fbase, pathOf(found.dli_fbase, info->dlpi_name)});
        break;
    }
    return 0;
}

}  // namespace

void *openLibrary(const std::string &hostPath)
{
    return dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void *openLoadedLibrary(const std::string &hostPath)
{
    return dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
}

void *openProgram()
{
    return dlopen(nullptr, RTLD_NOW);
}

void closeLibrary(void *handle)
{
    dlclose(handle);
}

void *findSymbol(void *handle, const char *name)
{
    return dlsym(handle, name);
}

const void *baseOf(void *handle)
{
    link_map *map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return nullptr;
    Dl_info found;
    // The dynamic section lies inside the object, so the loader can name its base.
    if (!dladdr(map->l_ld, &found))
        return nullptr;
    return found.dli_fbase;
}

bool objectContaining(const void *address, LoadedObject &object)
{
    Dl_info found;
    if (!address || !dladdr(address, &found) || !found.dli_fbase)
        return false;
    object = {found.dli_fbase, pathOf(found.dli_fbase, found.dli_fname)};
    return true;
}

std::vector<LoadedObject> loadedObjects()
{
    std::vector<LoadedObject> objects;
    dl_iterate_phdr(addObject, &objects);
    return objects;
}

}  // namespace vks::detail::posix
