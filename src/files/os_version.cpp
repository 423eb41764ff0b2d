// CutOSVersion: the running system's version and platform family, asked once.
#include "files/os_version.h"

namespace {

constexpr CutOSVersionNum::VERSION kWin98 = 0x040A07CE;   // 4.10.1998
constexpr CutOSVersionNum::VERSION kWinMe = 0x040A0BB8;   // 4.10.3000: Me reports minor 90
constexpr CutOSVersionNum::VERSION kWinNT5 = 0x05000000;  // 5.0.0
constexpr CutOSVersionNum::VERSION kWinXP = 0x05010A28;   // 5.1.2600

}  // namespace

int CutOSVersion::m_bPlatformKnown = 0;
CutOSVersion::VER_PLATFORM CutOSVersion::m_platform = CutOSVersion::PLATFORM_OTHER;
int CutOSVersion::m_bVersionKnown = 0;
// Built on the first GetVersion call, not at load.
CutOSVersionNum CutOSVersion::m_version(0, 0, 0);

CutOSVersionNum const &CutOSVersion::GetVersion()
{
    if (!m_bVersionKnown) {
        m_version = CutOSVersionNum();
        m_bVersionKnown = 1;
    }
    return m_version;
}

CutOSVersion::VER_PLATFORM CutOSVersion::GetPlatform()
{
    if (!m_bPlatformKnown) {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        m_platform = PLATFORM_OTHER;
        if (GetVersionExA(&info)) {
            if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
                m_platform = PLATFORM_WIN95;
            else if (info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 4)
                m_platform = PLATFORM_WINNT;
        }
        m_bPlatformKnown = 1;
    }
    return m_platform;
}

int CutOSVersion::IsWinNT()
{
    return GetPlatform() == PLATFORM_WINNT;
}

int CutOSVersion::IsWin95()
{
    return GetPlatform() == PLATFORM_WIN95;
}

int CutOSVersion::IsWin98()
{
    return IsWin95() && GetVersion() >= kWin98;
}

int CutOSVersion::IsWinMe()
{
    return IsWin95() && GetVersion() >= kWinMe;
}

int CutOSVersion::IsWinNT5()
{
    return IsWinNT() && GetVersion() >= kWinNT5;
}

int CutOSVersion::IsWinXP()
{
    return IsWinNT() && GetVersion() >= kWinXP;
}
