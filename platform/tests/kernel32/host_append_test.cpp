// VksAppendWhole: whole appends to a shared file, named by a DOS or a host path.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "vkspath.h"
#include "vkstest.h"
#include "windows.h"

namespace {

TEST(VksAppendWhole, CreatesTheFileThenAppendsAtItsEnd)
{
    vkstest::ScopedDriveC drive;
    CreateDirectoryA("C:\\Logs", nullptr);
    SetLastError(0xdeadbeef);
    ASSERT_TRUE(VksAppendWhole("c:\\LOGS\\day.log", "first\n", 6));
    const std::string hostPath = drive.host("Logs/day.log").string();
    ASSERT_TRUE(VksAppendWhole(hostPath.c_str(), "second\n", 7));
    ASSERT_TRUE(VksAppendWhole(hostPath.c_str(), nullptr, 0));
    EXPECT_EQ("first\nsecond\n", drive.read("Logs/day.log"));
    EXPECT_EQ(0xdeadbeefu, GetLastError());
}

TEST(VksAppendWhole, FailsWithTheWindowsErrorAndWritesNothing)
{
    vkstest::ScopedDriveC drive;
    const struct {
        const char *name;
        const char *path;
        const void *bytes;
        DWORD size;
        DWORD error;
    } rows[] = {
        {"null path", nullptr, "x", 1, ERROR_INVALID_NAME},
        {"unmapped drive", "q:\\x.log", "x", 1, ERROR_INVALID_DRIVE},
        {"network path", "\\\\server\\share\\x.log", "x", 1, ERROR_BAD_PATHNAME},
        {"null bytes with a size", "C:\\x.log", nullptr, 1, ERROR_INVALID_PARAMETER},
        {"missing folder", "C:\\NoSuchFolder\\x.log", "x", 1, ERROR_PATH_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(VksAppendWhole(row.path, row.bytes, row.size));
        EXPECT_EQ(row.error, GetLastError());
    }
    EXPECT_FALSE(std::filesystem::exists(drive.host("x.log")));
}

}  // namespace
