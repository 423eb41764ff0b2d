// CutOSVersionNum: a version number of three parts, read from the system or packed.
#include "files/os_version.h"

#include <tuple>

CutOSVersionNum::CutOSVersionNum() : m_nMajor(0), m_nMinor(0), m_nBuild(0)
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return;
    m_nMajor = static_cast<int>(info.dwMajorVersion);
    m_nMinor = static_cast<int>(info.dwMinorVersion);
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        m_nBuild = LOWORD(info.dwBuildNumber);
    else if (info.dwPlatformId == VER_PLATFORM_WIN32_NT)
        m_nBuild = static_cast<int>(info.dwBuildNumber);
}

CutOSVersionNum::CutOSVersionNum(int major, int minor, int build)
    : m_nMajor(major), m_nMinor(minor), m_nBuild(build)
{
}

CutOSVersionNum::CutOSVersionNum(VERSION packed)
    : m_nMajor(static_cast<int>(packed >> 24)),
      m_nMinor(static_cast<int>((packed >> 16) & 0xFF)),
      m_nBuild(static_cast<int>(packed & 0xFFFF))
{
}

CutOSVersionNum::VERSION CutOSVersionNum::GetDWordVersion() const
{
    return (static_cast<VERSION>(m_nMajor) & 0xFF) << 24 |
           (static_cast<VERSION>(m_nMinor) & 0xFF) << 16 |
           (static_cast<VERSION>(m_nBuild) & 0xFFFF);
}

void CutOSVersionNum::GetVersionNumbers(int &major, int &minor, int &build) const
{
    major = m_nMajor;
    minor = m_nMinor;
    build = m_nBuild;
}

int CutOSVersionNum::operator==(CutOSVersionNum const &other) const
{
    return std::tie(m_nMajor, m_nMinor, m_nBuild) ==
           std::tie(other.m_nMajor, other.m_nMinor, other.m_nBuild);
}

int CutOSVersionNum::operator!=(CutOSVersionNum const &other) const
{
    return !(*this == other);
}

int CutOSVersionNum::operator<(CutOSVersionNum const &other) const
{
    return std::tie(m_nMajor, m_nMinor, m_nBuild) <
           std::tie(other.m_nMajor, other.m_nMinor, other.m_nBuild);
}

int CutOSVersionNum::operator<=(CutOSVersionNum const &other) const
{
    return *this == other || *this < other;
}

int CutOSVersionNum::operator>(CutOSVersionNum const &other) const
{
    return !(*this <= other);
}

int CutOSVersionNum::operator>=(CutOSVersionNum const &other) const
{
    return !(*this < other);
}

int CutOSVersionNum::operator<=(VERSION packed) const
{
    return *this <= CutOSVersionNum(packed);
}

int CutOSVersionNum::operator>=(VERSION packed) const
{
    return *this >= CutOSVersionNum(packed);
}
