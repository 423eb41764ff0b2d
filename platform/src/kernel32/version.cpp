// The system version and the keyboard type, as the host sets them or as the product's newest
// target system reports them.
#include <cstring>
#include <mutex>
#include <optional>

#include "vksboundary.h"
#include "kernel32/no_destructor.h"
#include "vkshost.h"
#include "windows.h"

namespace {

constexpr DWORD kVersionInfoSize = sizeof(OSVERSIONINFOA);
constexpr DWORD kVersionInfoExSize = sizeof(OSVERSIONINFOEXA);
static_assert(kVersionInfoSize == 148 && kVersionInfoExSize == 156,
              "the version records keep their Windows sizes");

constexpr int kEnhancedKeyboard = 4;
constexpr int kFunctionKeys = 12;

struct HostSystem {
    std::mutex lock;
    std::optional<OSVERSIONINFOA> version;
    std::optional<int> keyboardSubtype;
};

HostSystem &host()
{
    static vks::detail::NoDestructor<HostSystem> system;
    return *system;
}

// Windows XP without a service pack.
OSVERSIONINFOA newestTarget()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = kVersionInfoSize;
    info.dwMajorVersion = 5;
    info.dwMinorVersion = 1;
    info.dwBuildNumber = 2600;
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    return info;
}

OSVERSIONINFOA currentVersion()
{
    std::lock_guard guard(host().lock);
    return host().version.value_or(newestTarget());
}

}  // namespace

void VksHostSetVersion(const OSVERSIONINFOA *fixedOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        std::lock_guard guard(host().lock);
        if (!fixedOrNull) {
            host().version.reset();
            return;
        }
        OSVERSIONINFOA copy = *fixedOrNull;
        copy.szCSDVersion[sizeof copy.szCSDVersion - 1] = '\0';
        host().version = copy;
    });
}

void VksHostSetKeyboardSubtype(const int *fixedOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        std::lock_guard guard(host().lock);
        if (fixedOrNull)
            host().keyboardSubtype = *fixedOrNull;
        else
            host().keyboardSubtype.reset();
    });
}

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpVersionInformation) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const DWORD size = lpVersionInformation->dwOSVersionInfoSize;
        if (size != kVersionInfoSize && size != kVersionInfoExSize) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        const OSVERSIONINFOA version = currentVersion();
        lpVersionInformation->dwMajorVersion = version.dwMajorVersion;
        lpVersionInformation->dwMinorVersion = version.dwMinorVersion;
        lpVersionInformation->dwBuildNumber = version.dwBuildNumber;
        lpVersionInformation->dwPlatformId = version.dwPlatformId;
        std::memcpy(lpVersionInformation->szCSDVersion, version.szCSDVersion,
                    sizeof version.szCSDVersion);
        if (size == kVersionInfoExSize) {
            // The extended record's own fields: no service pack, no suite, a workstation on NT.
            auto *extended = reinterpret_cast<LPOSVERSIONINFOEXA>(lpVersionInformation);
            extended->wServicePackMajor = 0;
            extended->wServicePackMinor = 0;
            extended->wSuiteMask = 0;
            extended->wProductType =
                version.dwPlatformId == VER_PLATFORM_WIN32_NT ? VER_NT_WORKSTATION : 0;
            extended->wReserved = 0;
        }
        return TRUE;
    });
}

int WINAPI GetKeyboardType(int nTypeFlag)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        switch (nTypeFlag) {
        case 0:
            return kEnhancedKeyboard;
        case 1: {
            std::lock_guard guard(host().lock);
            return host().keyboardSubtype.value_or(0);
        }
        case 2:
            return kFunctionKeys;
        default:
            return 0;
        }
    });
}
