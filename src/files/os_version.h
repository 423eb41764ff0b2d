// The version of the running system: a comparable version number, the platform family, the
// named releases, and the NEC keyboard test.
#pragma once

#include <cstdint>

#include "afxdefs.h"

// Major version, minor version and build number, compared in that order as signed integers.
class AFX_EXT_CLASS CutOSVersionNum {
public:
    // A version packed in 32 bits: major in bits 24-31, minor in bits 16-23, build in bits 0-15.
    typedef DWORD VERSION;

    // The running system's version as GetVersionExA reports it: on the Windows 95 family only
    // the low word of the build number (the high word repeats major and minor), on the NT family
    // the whole build number, on any other platform build 0. All 0 when the system does not say.
    CutOSVersionNum();
    CutOSVersionNum(int major, int minor, int build);
    // Unpacks a VERSION.
    CutOSVersionNum(VERSION packed);

    // Packs the low 8 bits of major and minor and the low 16 bits of the build.
    VERSION GetDWordVersion() const;
    void GetVersionNumbers(int &major, int &minor, int &build) const;

    // Each gives 1 or 0.
    int operator==(CutOSVersionNum const &other) const;
    int operator!=(CutOSVersionNum const &other) const;
    int operator<(CutOSVersionNum const &other) const;
    int operator<=(CutOSVersionNum const &other) const;
    int operator>(CutOSVersionNum const &other) const;
    int operator>=(CutOSVersionNum const &other) const;
    // Against a packed version, unpacked first.
    int operator<=(VERSION packed) const;
    int operator>=(VERSION packed) const;

private:
    int m_nMajor;
    int m_nMinor;
    int m_nBuild;
};

// The running system, asked once per process (the first calls are not guarded: two threads
// calling first at the same moment both ask and store the same answer). Each test gives 1 or 0.
class AFX_EXT_CLASS CutOSVersion {
public:
    enum VER_PLATFORM : int32_t {
        PLATFORM_OTHER = 0,  // NT before version 4, or an unknown platform
        PLATFORM_WIN95 = 2,  // Windows 95, 98 and Me
        PLATFORM_WINNT = 3,  // NT from version 4 on
    };

    CutOSVersion &operator=(CutOSVersion const &) { return *this; }

    static CutOSVersionNum const &GetVersion();
    static VER_PLATFORM GetPlatform();

    static int IsWinNT();
    // The whole Windows 95 family: 95, 98 and Me.
    static int IsWin95();
    // The 95 family from 4.10.1998 on: Windows 98 and Me.
    static int IsWin98();
    // The 95 family from 4.10.3000 on.
    static int IsWinMe();
    // NT from 5.0.0 on: Windows 2000 and XP.
    static int IsWinNT5();
    // NT from 5.1.2600 on.
    static int IsWinXP();

private:
    static int m_bPlatformKnown;
    static VER_PLATFORM m_platform;
    static int m_bVersionKnown;
    static CutOSVersionNum m_version;
};

// 1 when the keyboard is an NEC one (subtype 0x0D01 to 0x0D0F), else 0; asked once per process.
AFX_EXT_API int isNEC();
