// The registry file: parsed once and kept while its stamp stays, replaced whole on each change.
#include "advapi32/registry_store.h"

#include <string>

#include "posix/inifile_posix.h"
#include "kernel32/paths.h"
#include "advapi32/registry_cache.h"

namespace vks::detail {

namespace {

bool registryFile(std::string &hostPath, DWORD &error)
{
    return resolveDosPath(windowsDirectory() + "\\VKSREG.DAT", hostPath, error);
}

std::shared_ptr<const RegistryTree> emptyRegistry()
{
    static const auto *empty = new std::shared_ptr<const RegistryTree>(
        std::make_shared<const RegistryTree>());
    return *empty;
}

// The locked file's tree, ready to be changed: from the cache when it holds this file, else
// parsed from the file's bytes, which `bytes` receives either way.
LONG lockedTree(const std::string &path, const IniFileLock &lock,
                std::shared_ptr<RegistryTree> &tree, std::string &bytes)
{
    RegistryCache &cache = registryCache();
    tree = cache.takeSettled(path, lock.snapshot().stamp, bytes);
    if (tree)
        return ERROR_SUCCESS;
    DWORD error = ERROR_SUCCESS;
    if (!lock.read(bytes, error))
        return static_cast<LONG>(error);
    tree = cache.takeParsed(path, bytes);
    return ERROR_SUCCESS;
}

// Changes a registry that has no file yet: nothing is kept, only the change's answer.
LONG changeMissing(const RegistryEdit &change)
{
    RegistryTree empty;
    bool changed = false;
    return change(empty, changed);
}

}  // namespace

LONG loadRegistry(std::shared_ptr<const RegistryTree> &tree)
{
    std::string path;
    DWORD error = ERROR_SUCCESS;
    if (!registryFile(path, error))
        return static_cast<LONG>(error);
    FileStamp stamp;
    if (!statRegularFile(path, stamp)) {
        tree = emptyRegistry();
        return ERROR_SUCCESS;
    }
    RegistryCache &cache = registryCache();
    if ((tree = cache.find(path, stamp)))
        return ERROR_SUCCESS;
    std::string bytes;
    FileSnapshot snapshot;
    if (!readRegularFile(path, bytes, snapshot))
        return ERROR_BADDB;
    tree = cache.store(path, std::move(bytes), snapshot);
    return ERROR_SUCCESS;
}

LONG updateRegistry(bool mayCreate, const RegistryEdit &change)
{
    if (mayCreate)
        prepareDriveForWrite();
    std::string path;
    DWORD error = ERROR_SUCCESS;
    if (!registryFile(path, error))
        return static_cast<LONG>(error);
    IniFileLock lock;
    switch (lock.acquire(path, mayCreate, error)) {
    case IniFileLock::Result::Missing:
        return changeMissing(change);
    case IniFileLock::Result::Failed:
        return static_cast<LONG>(error);
    case IniFileLock::Result::Locked:
        break;
    }
    std::shared_ptr<RegistryTree> tree;
    std::string bytes;
    if (LONG result = lockedTree(path, lock, tree, bytes); result != ERROR_SUCCESS)
        return result;
    RegistryCache &cache = registryCache();
    bool changed = false;
    LONG result = change(*tree, changed);
    if (result != ERROR_SUCCESS || !changed) {
        cache.put(path, std::move(tree), std::move(bytes), lock.snapshot());
        return result;
    }
    std::string text = tree->text(bytes.size());
    FileSnapshot written;
    // A failed replace leaves the changed tree unkept: the file still holds what it held.
    if (!lock.replace(text, written, error))
        return ERROR_CANTWRITE;
    cache.put(path, std::move(tree), std::move(text), written);
    return ERROR_SUCCESS;
}

}  // namespace vks::detail
