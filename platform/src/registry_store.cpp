// The registry file: read whole at each call, replaced whole on each change.
#include "registry_store.h"

#include <string>

#include "inifile_io.h"
#include "paths.h"

namespace vks::detail {

namespace {

bool registryFile(std::string &hostPath, DWORD &error)
{
    return resolveDosPath(windowsDirectory() + "\\VKSREG.DAT", hostPath, error);
}

}  // namespace

LONG loadRegistry(RegistryTree &tree)
{
    std::string path;
    DWORD error = ERROR_SUCCESS;
    if (!registryFile(path, error))
        return static_cast<LONG>(error);
    FileStamp stamp;
    if (!statRegularFile(path, stamp)) {
        tree = RegistryTree();
        return ERROR_SUCCESS;
    }
    std::string bytes;
    FileSnapshot snapshot;
    if (!readRegularFile(path, bytes, snapshot))
        return ERROR_BADDB;
    tree = RegistryTree::parse(bytes);
    return ERROR_SUCCESS;
}

LONG updateRegistry(bool mayCreate, const std::function<LONG(RegistryTree &)> &change)
{
    if (mayCreate)
        prepareDriveForWrite();
    std::string path;
    DWORD error = ERROR_SUCCESS;
    if (!registryFile(path, error))
        return static_cast<LONG>(error);
    IniFileLock lock;
    std::string bytes;
    bool locked = false;
    switch (lock.acquire(path, mayCreate, error)) {
    case IniFileLock::Result::Missing:
        break;
    case IniFileLock::Result::Failed:
        return static_cast<LONG>(error);
    case IniFileLock::Result::Locked:
        if (!lock.read(bytes, error))
            return static_cast<LONG>(error);
        locked = true;
        break;
    }
    RegistryTree tree = RegistryTree::parse(bytes);
    LONG result = change(tree);
    if (result != ERROR_SUCCESS)
        return result;
    std::string text = tree.text();
    // Without a file there was nothing to change: only creating calls add keys or values.
    if (text == bytes || !locked)
        return ERROR_SUCCESS;
    FileSnapshot written;
    if (!lock.replace(text, written, error))
        return ERROR_CANTWRITE;
    return ERROR_SUCCESS;
}

}  // namespace vks::detail
