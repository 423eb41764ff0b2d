// The registry functions: reads see the registry file as it is now, each change replaces it.
#include <cstring>

#include "advapi32/registry_handles.h"
#include "advapi32/registry_store.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

// The key of an open handle in `tree`: ERROR_INVALID_HANDLE for no handle, ERROR_KEY_DELETED
// when the key went away after the handle was opened.
template <typename Tree, typename Key>
LONG keyOfHandle(Tree &tree, const KeyLocation &location, Key *&key)
{
    key = tree.find(location.root, location.path);
    return key ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

bool isEmpty(LPCSTR text)
{
    return !text || !*text;
}

LONG splitSubKey(LPCSTR subKey, const KeyLocation &base, KeyLocation &target)
{
    std::vector<std::string> names;
    if (!splitKeyPath(subKey ? subKey : "", names))
        return ERROR_BAD_PATHNAME;
    target = base;
    target.path.insert(target.path.end(), names.begin(), names.end());
    return ERROR_SUCCESS;
}

LONG openExisting(const KeyLocation &base, LPCSTR subKey, KeyLocation &target)
{
    LONG result = splitSubKey(subKey, base, target);
    if (result != ERROR_SUCCESS)
        return result;
    std::shared_ptr<const RegistryTree> tree;
    if ((result = loadRegistry(tree)) != ERROR_SUCCESS)
        return result;
    const RegistryKey *key = nullptr;
    if ((result = keyOfHandle(*tree, base, key)) != ERROR_SUCCESS)
        return result;
    return tree->find(target.root, target.path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG createOrOpen(const KeyLocation &base, LPCSTR subKey, KeyLocation &target)
{
    LONG result = splitSubKey(subKey, base, target);
    if (result != ERROR_SUCCESS)
        return result;
    return updateRegistry(true, [&](RegistryTree &tree, bool &changed) -> LONG {
        RegistryKey *key = nullptr;
        if (LONG found = keyOfHandle(tree, base, key); found != ERROR_SUCCESS)
            return found;
        tree.create(target.root, target.path, changed);
        return ERROR_SUCCESS;
    });
}

// Gives the caller `hKey` itself or a new handle for `target`.
template <typename Opener>
LONG openHandle(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult, Opener open)
{
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    KeyLocation base, target;
    if (!keyLocationOf(hKey, base))
        return ERROR_INVALID_HANDLE;
    LONG result = open(base, lpSubKey, target);
    if (result != ERROR_SUCCESS)
        return result;
    *phkResult = isEmpty(lpSubKey) ? hKey : openKeyHandle(target);
    return ERROR_SUCCESS;
}

}  // namespace

}  // namespace vks::detail

using namespace vks::detail;

LONG WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        return openHandle(hKey, lpSubKey, phkResult, openExisting);
    });
}

LONG WINAPI RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        return openHandle(hKey, lpSubKey, phkResult, createOrOpen);
    });
}

LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                             LPBYTE lpData, LPDWORD lpcbData)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        KeyLocation location;
        if (!keyLocationOf(hKey, location))
            return ERROR_INVALID_HANDLE;
        if (lpReserved || (lpData && !lpcbData))
            return ERROR_INVALID_PARAMETER;
        std::shared_ptr<const RegistryTree> tree;
        LONG result = loadRegistry(tree);
        const RegistryKey *key = nullptr;
        if (result != ERROR_SUCCESS || (result = keyOfHandle(*tree, location, key)) != ERROR_SUCCESS)
            return result;
        const RegistryValue *value = key->value(lpValueName ? lpValueName : "");
        if (!value)
            return ERROR_FILE_NOT_FOUND;
        if (lpType)
            *lpType = value->type;
        if (!lpcbData)
            return ERROR_SUCCESS;
        DWORD size = static_cast<DWORD>(value->data.size());
        DWORD room = *lpcbData;
        *lpcbData = size;
        if (!lpData)
            return ERROR_SUCCESS;
        if (room < size)
            return ERROR_MORE_DATA;
        std::memcpy(lpData, value->data.data(), size);
        return ERROR_SUCCESS;
    });
}

LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                           const BYTE *lpData, DWORD cbData)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        KeyLocation location;
        if (!keyLocationOf(hKey, location))
            return ERROR_INVALID_HANDLE;
        if (!lpData && cbData)
            return ERROR_NOACCESS;
        std::string data(reinterpret_cast<const char *>(lpData), lpData ? cbData : 0);
        return updateRegistry(true, [&](RegistryTree &tree, bool &changed) -> LONG {
            RegistryKey *key = nullptr;
            if (LONG found = keyOfHandle(tree, location, key); found != ERROR_SUCCESS)
                return found;
            changed = key->setValue(lpValueName ? lpValueName : "", dwType, std::move(data));
            return ERROR_SUCCESS;
        });
    });
}

LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        KeyLocation base, target;
        if (!keyLocationOf(hKey, base))
            return ERROR_INVALID_HANDLE;
        if (!lpSubKey)
            return ERROR_INVALID_PARAMETER;
        LONG result = splitSubKey(lpSubKey, base, target);
        if (result != ERROR_SUCCESS)
            return result;
        if (target.path.empty())
            return ERROR_ACCESS_DENIED;  // a predefined key
        return updateRegistry(false, [&](RegistryTree &tree, bool &changed) -> LONG {
            RegistryKey *key = nullptr;
            if (LONG found = keyOfHandle(tree, base, key); found != ERROR_SUCCESS)
                return found;
            key = tree.find(target.root, target.path);
            if (!key)
                return ERROR_FILE_NOT_FOUND;
            // NT refuses to delete a key that still has subkeys.
            if (!key->subkeys.empty())
                return ERROR_ACCESS_DENIED;
            tree.remove(target.root, target.path);
            changed = true;
            return ERROR_SUCCESS;
        });
    });
}

LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        KeyLocation location;
        if (!keyLocationOf(hKey, location))
            return ERROR_INVALID_HANDLE;
        return updateRegistry(false, [&](RegistryTree &tree, bool &changed) -> LONG {
            RegistryKey *key = nullptr;
            if (LONG found = keyOfHandle(tree, location, key); found != ERROR_SUCCESS)
                return found;
            changed = key->removeValue(lpValueName ? lpValueName : "");
            return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        });
    });
}

LONG WINAPI RegCloseKey(HKEY hKey)
{
    return vks::statusAtWin32Boundary([&]() -> LONG {
        return closeKeyHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    });
}
