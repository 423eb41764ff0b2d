#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

using DirectoryGetter = UINT(WINAPI *)(LPSTR, UINT);

TEST(SystemDirectories, ReturnTheLengthOrTheSizeNeeded)
{
    const struct {
        const char *name;
        DirectoryGetter get;
        UINT size;
        UINT result;
        const char *text;  // null: the buffer is left alone
    } rows[] = {
        {"windows: null buffer, size 0", GetWindowsDirectoryA, 0, 11, nullptr},
        {"windows: no room for the NUL", GetWindowsDirectoryA, 10, 11, nullptr},
        {"windows: just fits", GetWindowsDirectoryA, 11, 10, "C:\\WINDOWS"},
        {"windows: MAX_PATH", GetWindowsDirectoryA, MAX_PATH, 10, "C:\\WINDOWS"},
        {"system: null buffer, size 0", GetSystemDirectoryA, 0, 18, nullptr},
        {"system: no room for the NUL", GetSystemDirectoryA, 17, 18, nullptr},
        {"system: just fits", GetSystemDirectoryA, 18, 17, "C:\\WINDOWS\\SYSTEM"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[MAX_PATH + 1];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(row.result, row.get(row.size ? buffer : nullptr, row.size));
        if (row.text) {
            EXPECT_STREQ(row.text, buffer);
        }
        EXPECT_EQ('#', buffer[row.size]) << "written past the buffer";
    }
}

class CreateDirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive.write("WINDOWS\\Win.INI", "");
        fs::create_directories(drive.host("Data/Old"));
    }
    vkstest::ScopedDriveC drive;
};

TEST_F(CreateDirectory, MakesNewFoldersWithTheCaseGiven)
{
    const struct {
        const char *name;
        const char *dos;
        const char *made;
    } rows[] = {
        {"below an existing folder in another case", "c:\\data\\New", "Data/New"},
        {"trailing backslash", "C:\\DATA\\Trailing\\", "Data/Trailing"},
        {"host path", nullptr, "Data/Host"},
    };
    std::string hostPath = drive.host("Data/Host").string();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(CreateDirectoryA(row.dos ? row.dos : hostPath.c_str(), nullptr));
        EXPECT_TRUE(fs::is_directory(drive.host(row.made)));
    }
}

TEST_F(CreateDirectory, FailsWithTheWindowsCodes)
{
    const struct {
        const char *name;
        const char *dos;
        DWORD error;
    } rows[] = {
        {"existing folder", "c:\\data\\old", ERROR_ALREADY_EXISTS},
        {"existing folder, trailing backslash", "c:\\DATA\\OLD\\", ERROR_ALREADY_EXISTS},
        {"existing file", "c:\\windows\\WIN.INI", ERROR_ALREADY_EXISTS},
        {"drive root", "C:\\", ERROR_ALREADY_EXISTS},
        {"bare drive", "c:", ERROR_ALREADY_EXISTS},
        {"missing parent", "c:\\data\\missing\\child", ERROR_PATH_NOT_FOUND},
        {"below a file", "c:\\windows\\win.ini\\child", ERROR_PATH_NOT_FOUND},
        {"empty name", "", ERROR_PATH_NOT_FOUND},
        {"null name", nullptr, ERROR_PATH_NOT_FOUND},
        {"unmapped drive: never 3, or a recursive maker loops", "q:\\a\\b", ERROR_FILE_NOT_FOUND},
        {"unmapped drive root", "q:\\", ERROR_FILE_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(CreateDirectoryA(row.dos, nullptr));
        EXPECT_EQ(row.error, GetLastError());
    }
    EXPECT_FALSE(fs::exists(drive.host("Data/missing")));
}

}  // namespace
