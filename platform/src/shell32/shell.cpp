// The shell's special folders: only the documents folder is known, read from the host's desktop
// conventions and handed out as a DOS path.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "vksboundary.h"
#include "windows.h"
#include "shlobj.h"

#include "kernel32/paths.h"
#include "posix/fs_posix.h"
#include "posix/userdirs_posix.h"

namespace vks::detail {

namespace {

// Our item lists hold one item: this tag, then the folder's DOS path and its NUL.
constexpr char kFolderTag[4] = {'V', 'K', 'S', 'F'};
constexpr size_t kItemHeader = sizeof(USHORT) + sizeof(kFolderTag);

// A list of one item naming `dosPath`, allocated as the task allocator frees it; null when the
// path is too long for an item.
LPITEMIDLIST folderItemList(const std::string &dosPath)
{
    size_t itemSize = kItemHeader + dosPath.size() + 1;
    if (itemSize > 0xFFFF)
        return nullptr;
    auto *bytes = static_cast<BYTE *>(std::calloc(1, itemSize + sizeof(USHORT)));
    if (!bytes)
        return nullptr;
    USHORT cb = static_cast<USHORT>(itemSize);
    std::memcpy(bytes, &cb, sizeof cb);
    std::memcpy(bytes + sizeof cb, kFolderTag, sizeof kFolderTag);
    std::memcpy(bytes + kItemHeader, dosPath.c_str(), dosPath.size() + 1);
    // The list ends with a zero cb, already cleared by calloc.
    return reinterpret_cast<LPITEMIDLIST>(bytes);
}

// The DOS path carried by one of our lists; null for any other list.
const char *folderOf(LPCITEMIDLIST list)
{
    const auto *bytes = reinterpret_cast<const BYTE *>(list);
    USHORT cb;
    std::memcpy(&cb, bytes, sizeof cb);
    if (cb <= kItemHeader || std::memcmp(bytes + sizeof cb, kFolderTag, sizeof kFolderTag) != 0)
        return nullptr;
    const char *path = reinterpret_cast<const char *>(bytes + kItemHeader);
    size_t room = cb - kItemHeader;
    return std::memchr(path, '\0', room) ? path : nullptr;
}

// The allocator lives as long as the process, like a static object: its count never drops
// below the one reference the process itself holds.
std::atomic<ULONG> taskAllocatorReferences{1};

ULONG WINAPI taskAllocatorAddRef(IMalloc *)
{
    return vks::atWin32Boundary<ULONG>(0, [&]() -> ULONG {
        return ++taskAllocatorReferences;
    });
}

ULONG WINAPI taskAllocatorRelease(IMalloc *)
{
    return vks::atWin32Boundary<ULONG>(0, [&]() -> ULONG {
        ULONG count = taskAllocatorReferences.load();
        while (count > 1 && !taskAllocatorReferences.compare_exchange_weak(count, count - 1)) {
        }
        return count > 1 ? count - 1 : 1;
    });
}

void WINAPI taskAllocatorFree(IMalloc *, void *pv)
{
    vks::atWin32BoundaryVoid([&] {
        std::free(pv);
    });
}

const IMallocVtbl taskAllocatorVtbl = {taskAllocatorAddRef, taskAllocatorRelease,
                                       taskAllocatorFree};
IMalloc taskAllocator = {&taskAllocatorVtbl};

}  // namespace

}  // namespace vks::detail

using namespace vks::detail;

HRESULT WINAPI SHGetSpecialFolderLocation(HWND, int nFolder, LPITEMIDLIST *ppidl)
{
    return vks::atWin32Boundary<HRESULT>(E_OUTOFMEMORY, [&]() -> HRESULT {
        if (!ppidl)
            return E_INVALIDARG;
        *ppidl = nullptr;
        if (nFolder != CSIDL_PERSONAL)
            return E_INVALIDARG;
        std::string folder = posix::documentsFolder();
        if (folder.empty() || posix::fileKind(folder) != posix::FileKind::directory)
            return E_FAIL;
        *ppidl = folderItemList(dosPathOf(folder));
        return *ppidl ? S_OK : E_OUTOFMEMORY;
    });
}

BOOL WINAPI SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR pszPath)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!pszPath)
            return FALSE;
        pszPath[0] = '\0';
        const char *folder = pidl ? folderOf(pidl) : nullptr;
        if (!folder || std::strlen(folder) >= MAX_PATH)
            return FALSE;
        std::strcpy(pszPath, folder);
        return TRUE;
    });
}

HRESULT WINAPI SHGetMalloc(LPMALLOC *ppMalloc)
{
    return vks::atWin32Boundary<HRESULT>(E_OUTOFMEMORY, [&]() -> HRESULT {
        if (!ppMalloc)
            return E_INVALIDARG;
        *ppMalloc = &taskAllocator;
        taskAllocator.AddRef();
        return S_OK;
    });
}
