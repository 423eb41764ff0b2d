#include <cstring>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "windows.h"

namespace {

// Sets the reported version for the test's lifetime and returns to the default after it.
class ScopedVersion {
public:
    ScopedVersion(DWORD major, DWORD minor, DWORD build, DWORD platform, const char *csd = "")
    {
        OSVERSIONINFOA info{};
        info.dwMajorVersion = major;
        info.dwMinorVersion = minor;
        info.dwBuildNumber = build;
        info.dwPlatformId = platform;
        std::strncpy(info.szCSDVersion, csd, sizeof info.szCSDVersion - 1);
        VksHostSetVersion(&info);
    }
    ~ScopedVersion() { VksHostSetVersion(nullptr); }
};

class ScopedKeyboardSubtype {
public:
    explicit ScopedKeyboardSubtype(int subtype) { VksHostSetKeyboardSubtype(&subtype); }
    ~ScopedKeyboardSubtype() { VksHostSetKeyboardSubtype(nullptr); }
};

OSVERSIONINFOEXA recordOfSize(DWORD size)
{
    OSVERSIONINFOEXA info;
    std::memset(&info, 0xCC, sizeof info);
    info.dwOSVersionInfoSize = size;
    return info;
}

TEST(GetVersionExA, ReportsWindowsXpByDefault)
{
    OSVERSIONINFOEXA info = recordOfSize(148);
    SetLastError(0xdeadbeef);
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&info)));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
    EXPECT_EQ(148u, info.dwOSVersionInfoSize);
    EXPECT_EQ(5u, info.dwMajorVersion);
    EXPECT_EQ(1u, info.dwMinorVersion);
    EXPECT_EQ(2600u, info.dwBuildNumber);
    EXPECT_EQ(2u, info.dwPlatformId);
    EXPECT_STREQ("", info.szCSDVersion);
    EXPECT_EQ(0xCCCCu, info.wServicePackMajor) << "a 148-byte record has no extended fields";
}

TEST(GetVersionExA, FillsTheExtendedRecord)
{
    OSVERSIONINFOEXA info = recordOfSize(156);
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&info)));
    EXPECT_EQ(5u, info.dwMajorVersion);
    EXPECT_EQ(2600u, info.dwBuildNumber);
    EXPECT_EQ(0, info.wServicePackMajor);
    EXPECT_EQ(0, info.wServicePackMinor);
    EXPECT_EQ(0, info.wSuiteMask);
    EXPECT_EQ(1, info.wProductType);
}

TEST(GetVersionExA, RefusesOtherRecordSizes)
{
    const DWORD sizes[] = {0, 1, 147, 149, 155, 157, 0xFFFFFFFFu};
    for (DWORD size : sizes) {
        SCOPED_TRACE(size);
        OSVERSIONINFOEXA info = recordOfSize(size);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&info)));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
        EXPECT_EQ(0xCCCCCCCCu, info.dwMajorVersion) << "the record is left as it was";
    }
}

TEST(GetVersionExA, RefusesANullRecord)
{
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetVersionExA(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(GetVersionExA, ReportsTheVersionTheHostSets)
{
    // Known releases as they report themselves; the 95 family repeats major and minor in the
    // high word of the build.
    const struct {
        const char *name;
        DWORD major, minor, build, platform;
        const char *csd;
    } kReleases[] = {
        {"Windows 95", 4, 0, 0x040003B6, 1, ""},
        {"Windows 98 SE", 4, 10, 0x040A08AE, 1, " A "},
        {"Windows Me", 4, 90, 0x045A0BB8, 1, ""},
        {"NT 3.51", 3, 51, 1057, 2, "Service Pack 5"},
        {"Windows 2000", 5, 0, 2195, 2, "Service Pack 4"},
    };
    for (const auto &row : kReleases) {
        SCOPED_TRACE(row.name);
        ScopedVersion version(row.major, row.minor, row.build, row.platform, row.csd);
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        ASSERT_TRUE(GetVersionExA(&info));
        EXPECT_EQ(row.major, info.dwMajorVersion);
        EXPECT_EQ(row.minor, info.dwMinorVersion);
        EXPECT_EQ(row.build, info.dwBuildNumber);
        EXPECT_EQ(row.platform, info.dwPlatformId);
        EXPECT_STREQ(row.csd, info.szCSDVersion);
        EXPECT_EQ(148u, info.dwOSVersionInfoSize);
    }
}

TEST(GetVersionExA, ReturnsToTheDefaultWhenTheHostClearsItsVersion)
{
    {
        ScopedVersion version(4, 10, 1998, 1);
    }
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(5u, info.dwMajorVersion);
    EXPECT_EQ(2u, info.dwPlatformId);
}

TEST(GetVersionExA, KeepsAnUnterminatedServicePackTextInsideItsField)
{
    OSVERSIONINFOA fixed{};
    fixed.dwMajorVersion = 5;
    fixed.dwPlatformId = 2;
    std::memset(fixed.szCSDVersion, 'x', sizeof fixed.szCSDVersion);
    VksHostSetVersion(&fixed);

    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(127u, std::strlen(info.szCSDVersion));
    VksHostSetVersion(nullptr);
}

TEST(GetKeyboardType, AnswersEachFlag)
{
    const struct {
        int flag;
        int expected;
    } kFlags[] = {{0, 4}, {1, 0}, {2, 12}, {3, 0}, {-1, 0}};
    for (const auto &row : kFlags) {
        SCOPED_TRACE(row.flag);
        EXPECT_EQ(row.expected, GetKeyboardType(row.flag));
    }
}

TEST(GetKeyboardType, ReportsTheSubtypeTheHostSets)
{
    {
        ScopedKeyboardSubtype nec(0x0D01);
        EXPECT_EQ(0x0D01, GetKeyboardType(1));
        EXPECT_EQ(4, GetKeyboardType(0));
        EXPECT_EQ(12, GetKeyboardType(2));
    }
    EXPECT_EQ(0, GetKeyboardType(1));
}

}  // namespace
