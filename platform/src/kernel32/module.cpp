// Modules: loading shared objects by DOS or host path, their handles, names and entry points.
#include "kernel32/module.h"

#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "kernel32/paths.h"
#include "posix/dl_posix.h"
#include "posix/fs_posix.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

struct LoadedModule {
    void *handle;
    unsigned count;
};

// Modules loaded through LoadLibrary, with their counts. The mutex is recursive because loading
// runs the module's initialisers, which may load further modules.
struct ModuleTable {
    std::recursive_mutex mutex;
    std::map<HMODULE, LoadedModule> modules;
};

// Never destroyed: a module's static destructor may free another module at exit.
ModuleTable &moduleTable()
{
    static ModuleTable *table = new ModuleTable;
    return *table;
}

HMODULE toModule(const void *base)
{
    return static_cast<HMODULE>(const_cast<void *>(base));
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

std::string fileNameOf(const std::string &path)
{
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool hasFolder(const std::string &name)
{
    return name.find_first_of("\\/:") != std::string::npos;
}

// "VKSLog" names the same module as "VKSLog.dll": the extension may be left out.
bool namesObject(const std::string &wanted, const std::string &objectPath)
{
    std::string file = fileNameOf(objectPath);
    if (equalIgnoringCase(wanted, file))
        return true;
    return wanted.find('.') == std::string::npos &&
           equalIgnoringCase(wanted, file.substr(0, file.find('.')));
}

std::optional<posix::LoadedObject> objectAt(HMODULE module)
{
    posix::LoadedObject object;
    if (!posix::objectContaining(module, object) || object.base != module)
        return std::nullopt;
    return object;
}

std::optional<std::string> hostPathOf(const std::string &dosPath)
{
    std::string hostPath;
    DWORD error = ERROR_SUCCESS;
    std::string workingFolder = dosPathOf(posix::currentDirectory());
    if (!resolveDosPath(dosPath, hostPath, error, workingFolder))
        return std::nullopt;
    return hostPath;
}

bool isLoadableFile(const std::string &hostPath)
{
    return posix::fileKind(hostPath) == posix::FileKind::regular;
}

// A bare name is looked for where Windows looks: beside the program, then in the system and
// Windows directories. Windows adds ".dll" to a name without an extension.
std::optional<std::string> findLibraryFile(const std::string &name)
{
    if (hasFolder(name)) {
        std::optional<std::string> hostPath = hostPathOf(name);
        if (hostPath && isLoadableFile(*hostPath))
            return hostPath;
        return std::nullopt;
    }
    std::string fileName = name.find('.') == std::string::npos ? name + ".dll" : name;
    std::string programFolder = dosPathOf(posix::executablePath());
    programFolder = programFolder.substr(0, programFolder.find_last_of('\\'));
    for (const std::string &folder : {programFolder, systemDirectory(), windowsDirectory()}) {
        std::optional<std::string> hostPath = hostPathOf(folder + "\\" + fileName);
        if (hostPath && isLoadableFile(*hostPath))
            return hostPath;
    }
    return std::nullopt;
}

HMODULE loadedModuleNamed(const std::string &name)
{
    std::optional<std::string> hostPath;
    if (hasFolder(name) && !(hostPath = hostPathOf(name)))
        return nullptr;
    std::string canonical = hostPath ? posix::canonicalPath(*hostPath) : std::string();
    for (const posix::LoadedObject &object : posix::loadedObjects()) {
        bool match = hostPath ? object.path == *hostPath ||
                                    (!canonical.empty() && posix::canonicalPath(object.path) == canonical)
                              : namesObject(name, object.path);
        if (match)
            return toModule(object.base);
    }
    return nullptr;
}

HMODULE loadLibrary(const std::string &name)
{
    std::optional<std::string> hostPath;
    if (!hasFolder(name)) {
        if (HMODULE loaded = loadedModuleNamed(name)) {
            std::optional<posix::LoadedObject> object = objectAt(loaded);
            if (object)
                hostPath = object->path;
        }
    }
    if (!hostPath)
        hostPath = findLibraryFile(name);
    if (!hostPath)
        return nullptr;

    ModuleTable &table = moduleTable();
    std::lock_guard lock(table.mutex);
    void *handle = posix::openLibrary(*hostPath);
    if (!handle)
        return nullptr;
    HMODULE module = toModule(posix::baseOf(handle));
    if (!module) {
        posix::closeLibrary(handle);
        return nullptr;
    }
    LoadedModule &entry = table.modules.try_emplace(module, LoadedModule{handle, 0}).first->second;
    ++entry.count;
    return module;
}

// The symbol must be the module's own: the loader would also find it in the module's
// dependencies, which GetProcAddress never does.
FARPROC ownSymbol(void *handle, HMODULE module, const char *name)
{
    void *symbol = posix::findSymbol(handle, name);
    if (!symbol || moduleContaining(symbol) != module)
        return nullptr;
    return reinterpret_cast<FARPROC>(symbol);
}

FARPROC symbolOf(HMODULE module, const char *name)
{
    {
        ModuleTable &table = moduleTable();
        std::lock_guard lock(table.mutex);
        auto found = table.modules.find(module);
        if (found != table.modules.end())
            return ownSymbol(found->second.handle, module, name);
    }
    std::optional<posix::LoadedObject> object = objectAt(module);
    if (!object)
        return nullptr;
    void *handle = module == programModule() ? posix::openProgram()
                                              : posix::openLoadedLibrary(object->path);
    if (!handle)
        return nullptr;
    FARPROC symbol = ownSymbol(handle, module, name);
    posix::closeLibrary(handle);
    return symbol;
}

}  // namespace

HMODULE programModule()
{
    static HMODULE program = [] {
        void *self = posix::openProgram();
        HMODULE base = self ? toModule(posix::baseOf(self)) : nullptr;
        if (self)
            posix::closeLibrary(self);
        return base;
    }();
    return program;
}

HMODULE moduleContaining(const void *address)
{
    posix::LoadedObject object;
    return posix::objectContaining(address, object) ? toModule(object.base) : nullptr;
}

}  // namespace vks::detail

using namespace vks::detail;

HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags)
{
    return vks::atWin32Boundary<HMODULE>(nullptr, [&]() -> HMODULE {
        // Only the plain load is provided; the altered search order needs nothing more here, as
        // each shared object finds its own dependencies through its run path.
        if (!lpLibFileName || !*lpLibFileName || hFile || (dwFlags & ~LOAD_WITH_ALTERED_SEARCH_PATH)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        HMODULE module = loadLibrary(lpLibFileName);
        if (!module)
            SetLastError(ERROR_MOD_NOT_FOUND);
        return module;
    });
}

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName)
{
    return LoadLibraryExA(lpLibFileName, nullptr, 0);
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!hLibModule) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        void *handle = nullptr;
        {
            ModuleTable &table = moduleTable();
            std::lock_guard lock(table.mutex);
            auto found = table.modules.find(hLibModule);
            if (found != table.modules.end()) {
                handle = found->second.handle;
                if (--found->second.count == 0)
                    table.modules.erase(found);
            }
        }
        if (handle) {
            // Outside the lock: unloading runs the module's finalisers.
            posix::closeLibrary(handle);
            return TRUE;
        }
        // The program and the modules it was linked with stay for the life of the process.
        if (objectAt(hLibModule))
            return TRUE;
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    });
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    return vks::atWin32Boundary<FARPROC>(nullptr, [&]() -> FARPROC {
        if (!hModule)
            hModule = programModule();
        if (!objectAt(hModule)) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return nullptr;
        }
        // No module here exports by ordinal.
        FARPROC symbol = lpProcName && !IS_INTRESOURCE(lpProcName) ? symbolOf(hModule, lpProcName)
                                                                   : nullptr;
        if (!symbol)
            SetLastError(ERROR_PROC_NOT_FOUND);
        return symbol;
    });
}

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName)
{
    return vks::atWin32Boundary<HMODULE>(nullptr, [&]() -> HMODULE {
        if (!lpModuleName)
            return programModule();
        HMODULE module = *lpModuleName ? loadedModuleNamed(lpModuleName) : nullptr;
        if (!module)
            SetLastError(ERROR_MOD_NOT_FOUND);
        return module;
    });
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        std::optional<posix::LoadedObject> object = objectAt(hModule ? hModule : programModule());
        if (!object) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return 0;
        }
        if (!lpFilename && nSize) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        std::string name = dosPathOf(object->path);
        if (name.size() >= nSize) {
            // Like Windows XP: cut to nSize characters without a NUL.
            if (nSize)
                std::memcpy(lpFilename, name.data(), nSize);
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return nSize;
        }
        std::memcpy(lpFilename, name.c_str(), name.size() + 1);
        return static_cast<DWORD>(name.size());
    });
}
