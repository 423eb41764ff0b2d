#include "files/os_version.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "vkshost.h"

namespace {

struct Reported {
    DWORD major, minor, build, platform;
};

void setHostVersion(const Reported &reported)
{
    OSVERSIONINFOA info{};
    info.dwMajorVersion = reported.major;
    info.dwMinorVersion = reported.minor;
    info.dwBuildNumber = reported.build;
    info.dwPlatformId = reported.platform;
    VksHostSetVersion(&info);
}

class ScopedHostVersion {
public:
    explicit ScopedHostVersion(const Reported &reported) { setHostVersion(reported); }
    ~ScopedHostVersion() { VksHostSetVersion(nullptr); }
};

auto parts(const CutOSVersionNum &version)
{
    int major = -7, minor = -7, build = -7;
    version.GetVersionNumbers(major, minor, build);
    return std::tuple(major, minor, build);
}

// What the library remembers for the whole process can only be seen being asked in a process
// of its own: the check runs in a fresh run of this binary and reports on stderr what failed.
#define EXPECT_IN_FRESH_PROCESS(...)                                                     \
    do {                                                                                 \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                                  \
        EXPECT_EXIT(std::exit((__VA_ARGS__) ? 0 : 1), ::testing::ExitedWithCode(0), ""); \
    } while (0)

bool expectValue(const char *what, int expected, int got)
{
    if (expected != got)
        std::fprintf(stderr, "%s: expected %d, got %d\n", what, expected, got);
    return expected == got;
}

TEST(CutOSVersionNum, UnpacksAndPacksVersions)
{
    const struct {
        CutOSVersionNum::VERSION packed;
        int major, minor, build;
    } kPacked[] = {
        {0x05010A28, 5, 1, 2600},
        {0x040A07CE, 4, 10, 1998},
        {0x040A0BB8, 4, 10, 3000},
        {0x05000000, 5, 0, 0},
        {0xFFFFFFFF, 255, 255, 65535},
    };
    for (const auto &row : kPacked) {
        SCOPED_TRACE(row.packed);
        const CutOSVersionNum version(row.packed);
        EXPECT_EQ(std::tuple(row.major, row.minor, row.build), parts(version));
        EXPECT_EQ(row.packed, version.GetDWordVersion());
        EXPECT_EQ(row.packed, CutOSVersionNum(row.major, row.minor, row.build).GetDWordVersion());
    }
}

TEST(CutOSVersionNum, LosesHighBitsWhenPacked)
{
    const struct {
        int major, minor, build;
        CutOSVersionNum::VERSION packed;
    } kParts[] = {
        {0x105, 1, 2600, 0x05010A28},
        {5, 0x101, 2600, 0x05010A28},
        {5, 1, 0x10A28, 0x05010A28},
        {-1, 0, 0, 0xFF000000},
        {0, 0, -1, 0x0000FFFF},
    };
    for (const auto &row : kParts) {
        SCOPED_TRACE(row.packed);
        EXPECT_EQ(row.packed, CutOSVersionNum(row.major, row.minor, row.build).GetDWordVersion());
    }
}

TEST(CutOSVersionNum, ComparesPartByPart)
{
    const struct {
        const char *name;
        CutOSVersionNum left, right;
        int eq, ne, lt, le, gt, ge;
    } kPairs[] = {
        {"equal", {5, 0, 2195}, {5, 0, 2195}, 1, 0, 0, 1, 0, 1},
        {"build decides", {4, 10, 1998}, {4, 10, 2222}, 0, 1, 1, 1, 0, 0},
        {"minor before build", {4, 90, 0}, {4, 10, 3000}, 0, 1, 0, 0, 1, 1},
        {"major before minor", {4, 90, 3000}, {5, 0, 0}, 0, 1, 1, 1, 0, 0},
        {"signed parts", {-1, 0, 0}, {0, 0, 0}, 0, 1, 1, 1, 0, 0},
        {"a build past 16 bits", {5, 1, 0x10000}, {5, 1, 2600}, 0, 1, 0, 0, 1, 1},
    };
    for (const auto &row : kPairs) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.eq, row.left == row.right);
        EXPECT_EQ(row.ne, row.left != row.right);
        EXPECT_EQ(row.lt, row.left < row.right);
        EXPECT_EQ(row.le, row.left <= row.right);
        EXPECT_EQ(row.gt, row.left > row.right);
        EXPECT_EQ(row.ge, row.left >= row.right);
    }
}

TEST(CutOSVersionNum, ComparesWithPackedVersions)
{
    const struct {
        const char *name;
        CutOSVersionNum version;
        CutOSVersionNum::VERSION packed;
        int le, ge;
    } kPairs[] = {
        {"2000 against 5.0.0", {5, 0, 2195}, 0x05000000, 0, 1},
        {"98 SE against 98", {4, 10, 2222}, 0x040A07CE, 0, 1},
        {"98 SE against Me", {4, 10, 2222}, 0x040A0BB8, 1, 0},
        {"Me against Me", {4, 90, 3000}, 0x040A0BB8, 0, 1},
        {"equal", {5, 1, 2600}, 0x05010A28, 1, 1},
    };
    for (const auto &row : kPairs) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.le, row.version <= row.packed);
        EXPECT_EQ(row.ge, row.version >= row.packed);
    }
}

TEST(CutOSVersionNum, ReadsTheRunningSystem)
{
    const struct {
        const char *name;
        Reported reported;
        int major, minor, build;
    } kSystems[] = {
        {"98 SE: the build's high word repeats the version", {4, 10, 0x040A08AE, 1}, 4, 10, 2222},
        {"2000", {5, 0, 2195, 2}, 5, 0, 2195},
        {"NT: the whole build", {5, 1, 0x00012345, 2}, 5, 1, 0x12345},
        {"another platform: no build", {3, 11, 1234, 0}, 3, 11, 0},
    };
    for (const auto &row : kSystems) {
        SCOPED_TRACE(row.name);
        ScopedHostVersion host(row.reported);
        EXPECT_EQ(std::tuple(row.major, row.minor, row.build), parts(CutOSVersionNum()));
    }
    EXPECT_EQ(std::tuple(5, 1, 2600), parts(CutOSVersionNum())) << "the host's default";
}

struct Release {
    const char *name;
    Reported reported;
    int platform, nt, win95, win98, me, nt5, xp;
};

bool releaseTestsGive(const Release &row)
{
    if (row.reported.major)
        setHostVersion(row.reported);
    bool ok = expectValue("GetPlatform", row.platform, CutOSVersion::GetPlatform());
    ok &= expectValue("IsWinNT", row.nt, CutOSVersion::IsWinNT());
    ok &= expectValue("IsWin95", row.win95, CutOSVersion::IsWin95());
    ok &= expectValue("IsWin98", row.win98, CutOSVersion::IsWin98());
    ok &= expectValue("IsWinMe", row.me, CutOSVersion::IsWinMe());
    ok &= expectValue("IsWinNT5", row.nt5, CutOSVersion::IsWinNT5());
    ok &= expectValue("IsWinXP", row.xp, CutOSVersion::IsWinXP());
    return ok;
}

TEST(CutOSVersion, TellsTheNamedReleases)
{
    const Release kReleases[] = {
        {"95", {4, 0, 0x040003B6, 1}, 2, 0, 1, 0, 0, 0, 0},
        {"98 SE 4.10.2222", {4, 10, 0x040A08AE, 1}, 2, 0, 1, 1, 0, 0, 0},
        {"Me 4.90.3000", {4, 90, 0x045A0BB8, 1}, 2, 0, 1, 1, 1, 0, 0},
        {"NT 3.51", {3, 51, 1057, 2}, 0, 0, 0, 0, 0, 0, 0},
        {"NT 4.0", {4, 0, 1381, 2}, 3, 1, 0, 0, 0, 0, 0},
        {"2000 5.0.2195", {5, 0, 2195, 2}, 3, 1, 0, 0, 0, 1, 0},
        {"the host's default, XP", {0, 0, 0, 0}, 3, 1, 0, 0, 0, 1, 1},
    };
    for (const Release &row : kReleases) {
        SCOPED_TRACE(row.name);
        EXPECT_IN_FRESH_PROCESS(releaseTestsGive(row));
    }
}

bool versionIsAskedOnce()
{
    setHostVersion({4, 10, 0x040A07CE, 1});
    const CutOSVersionNum &first = CutOSVersion::GetVersion();
    const int platform = CutOSVersion::GetPlatform();
    setHostVersion({5, 1, 2600, 2});
    bool ok = expectValue("same object", 1, &first == &CutOSVersion::GetVersion());
    ok &= expectValue("version kept", 0x040A07CE, static_cast<int>(first.GetDWordVersion()));
    ok &= expectValue("platform kept", platform, CutOSVersion::GetPlatform());
    return ok && expectValue("platform", 2, platform);
}

TEST(CutOSVersion, AsksTheSystemOnce)
{
    EXPECT_IN_FRESH_PROCESS(versionIsAskedOnce());
}

bool necTestGives(int subtype, int expected)
{
    VksHostSetKeyboardSubtype(&subtype);
    return expectValue("isNEC", expected, isNEC());
}

TEST(IsNEC, TellsAnNecKeyboardBySubtype)
{
    const struct {
        int subtype;
        int expected;
    } kSubtypes[] = {
        {0x0D01, 1}, {0x0D05, 1}, {0x0D0F, 1}, {0x0D00, 0},
        {0x0D10, 0}, {0x0000, 0}, {0x0501, 0}, {0x1D01, 0},
    };
    for (const auto &row : kSubtypes) {
        SCOPED_TRACE(row.subtype);
        EXPECT_IN_FRESH_PROCESS(necTestGives(row.subtype, row.expected));
    }
}

bool necIsAskedOnce()
{
    const int nec = 0x0D01, other = 0;
    VksHostSetKeyboardSubtype(&nec);
    const int first = isNEC();
    VksHostSetKeyboardSubtype(&other);
    return expectValue("first", 1, first) && expectValue("kept", 1, isNEC());
}

TEST(IsNEC, AsksTheKeyboardOnce)
{
    EXPECT_IN_FRESH_PROCESS(necIsAskedOnce());
}

}  // namespace
