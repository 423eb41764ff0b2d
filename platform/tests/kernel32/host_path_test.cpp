// VksHostPathOf: the host file behind a DOS path.
#include <string>

#include <gtest/gtest.h>

#include "vkspath.h"
#include "vkstest.h"
#include "windows.h"

namespace {

TEST(VksHostPathOf, MapsDrivePathsAndKeepsHostPaths)
{
    vkstest::ScopedDriveC drive;
    drive.write("Logs\\Trace.txt", "x");
    const std::string root = drive.root().string();
    const struct {
        const char *name;
        const char *path;
        std::string host;
    } rows[] = {
        {"existing components keep their case on disk", "c:\\LOGS\\trace.TXT",
         root + "/Logs/Trace.txt"},
        {"a new file keeps the case given", "C:\\Logs\\New.log", root + "/Logs/New.log"},
        {"a host path stays as it is", "/tmp/x.log", "/tmp/x.log"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char host[1024] = {};
        DWORD length = VksHostPathOf(row.path, host, sizeof host);
        EXPECT_EQ(row.host, host);
        EXPECT_EQ(row.host.size(), length);
    }
}

TEST(VksHostPathOf, GivesTheSizeNeededWhenTheBufferIsShort)
{
    // "/tmp/x.log" is 10 characters: 11 bytes with the NUL.
    char host[16];
    std::string(sizeof host, '#').copy(host, sizeof host);
    EXPECT_EQ(11u, VksHostPathOf("/tmp/x.log", host, 10));
    EXPECT_EQ('#', host[0]);
    EXPECT_EQ(11u, VksHostPathOf("/tmp/x.log", nullptr, 0));
    EXPECT_EQ(10u, VksHostPathOf("/tmp/x.log", host, 11));
    EXPECT_STREQ("/tmp/x.log", host);
}

TEST(VksHostPathOf, FailsForTextThatNamesNoHostFile)
{
    const struct {
        const char *name;
        const char *path;
        DWORD error;
    } rows[] = {
        {"null", nullptr, ERROR_INVALID_NAME},
        {"empty", "", ERROR_INVALID_NAME},
        {"unmapped drive", "q:\\x.log", ERROR_INVALID_DRIVE},
        {"network path", "\\\\server\\share\\x.log", ERROR_BAD_PATHNAME},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char host[64] = {};
        SetLastError(0xdeadbeef);
        EXPECT_EQ(0u, VksHostPathOf(row.path, host, sizeof host));
        EXPECT_EQ(row.error, GetLastError());
    }
}

}  // namespace
