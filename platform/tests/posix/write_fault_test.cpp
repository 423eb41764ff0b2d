// Writes that the host refuses halfway (a full disk, a short write, a failed rename or lock):
// the file keeps its old bytes whole, readers see the old values, and the Windows code is told.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "posix/write_calls_posix.h"
#include "posix/shared_append_posix.h"
#include "vkstest.h"
#include "windows.h"

namespace {

namespace posix = vks::detail::posix;

// The fakes are plain functions, so they keep their state here; each test starts it afresh.
struct FaultState {
    long writesLeft = 0;  // whole writes let through before the fault
};
FaultState faults;

long failingWrite(int, const void *, std::size_t)
{
    errno = ENOSPC;
    return -1;
}

// Lets half of the first write through, as a disk filling up does, then refuses the rest.
long shortThenFullWrite(int fd, const void *data, std::size_t size)
{
    if (faults.writesLeft-- > 0)
        return posix::hostWriteCalls().write(fd, data, size / 2 ? size / 2 : size);
    errno = ENOSPC;
    return -1;
}

int failingRename(const char *, const char *)
{
    errno = EACCES;
    return -1;
}

int failingLock(int)
{
    errno = ENOLCK;
    return -1;
}

posix::WriteCalls with(long (*write)(int, const void *, std::size_t),
                       int (*rename)(const char *, const char *) = nullptr,
                       int (*lock)(int) = nullptr)
{
    posix::WriteCalls calls = posix::hostWriteCalls();
    if (write)
        calls.write = write;
    if (rename)
        calls.rename = rename;
    if (lock)
        calls.lockExclusive = lock;
    return calls;
}

struct FaultRow {
    const char *name;
    posix::WriteCalls calls;
    DWORD error;
};

const FaultRow kReplaceFaults[] = {
    {"disk full", with(failingWrite), ERROR_DISK_FULL},
    {"short write, then a full disk", with(shortThenFullWrite), ERROR_DISK_FULL},
    {"rename refused", with(nullptr, failingRename), ERROR_ACCESS_DENIED},
    {"no lock to be had", with(nullptr, nullptr, failingLock), ERROR_LOCK_VIOLATION},
};

class WriteFault : public ::testing::Test {
protected:
    void SetUp() override { faults = FaultState{1}; }

    // The hidden names in the Windows folder, where a temporary file would stay behind.
    std::string hiddenFiles() const
    {
        std::string names;
        for (const auto &entry : std::filesystem::directory_iterator(drive.host("WINDOWS")))
            if (entry.path().filename().string().front() == '.')
                names += entry.path().filename().string() + " ";
        return names;
    }

    vkstest::ScopedDriveC drive;
};

TEST_F(WriteFault, AFailedProfileWriteKeepsTheOldFileAndSaysWhy)
{
    const std::string old = "[s]\r\nk=old\r\n; kept\r\n";
    for (const FaultRow &row : kReplaceFaults) {
        SCOPED_TRACE(row.name);
        drive.write("WINDOWS\\test.ini", old);
        char text[32] = "";
        // Read first, so that a cached copy is what the failed write could wrongly change.
        ASSERT_EQ(3u, GetPrivateProfileStringA("s", "k", "", text, sizeof text, "test.ini"));
        faults = FaultState{1};
        {
            posix::ScopedWriteCalls fault(row.calls);
            SetLastError(0xdeadbeef);
            EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "new value", "test.ini"));
            EXPECT_EQ(row.error, GetLastError());
        }
        EXPECT_EQ(old, drive.read("WINDOWS\\test.ini"));
        EXPECT_EQ("", hiddenFiles());
        EXPECT_EQ(3u, GetPrivateProfileStringA("s", "k", "", text, sizeof text, "test.ini"));
        EXPECT_STREQ("old", text);
    }
}

TEST_F(WriteFault, AFailedProfileWriteToANewFileLeavesNoFile)
{
    posix::ScopedWriteCalls fault(with(failingWrite));
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", "fresh.ini"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL), GetLastError());
    EXPECT_FALSE(std::filesystem::exists(drive.host("WINDOWS\\fresh.ini")));
}

TEST_F(WriteFault, AFailedRegistryChangeKeepsTheOldFileAndValue)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Test", &key));
    const DWORD oldNumber = 7, newNumber = 8;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "n", 0, REG_DWORD,
                                            reinterpret_cast<const BYTE *>(&oldNumber), 4));
    const std::string old = drive.read("WINDOWS\\VKSREG.DAT");
    ASSERT_FALSE(old.empty());
    for (const FaultRow &row : kReplaceFaults) {
        SCOPED_TRACE(row.name);
        faults = FaultState{1};
        LONG result;
        {
            posix::ScopedWriteCalls fault(row.calls);
            result = RegSetValueExA(key, "n", 0, REG_DWORD,
                                    reinterpret_cast<const BYTE *>(&newNumber), 4);
        }
        // A lock that cannot be had is told as such; any failure after it as a failed write.
        EXPECT_EQ(row.error == ERROR_LOCK_VIOLATION ? ERROR_LOCK_VIOLATION : ERROR_CANTWRITE,
                  result);
        EXPECT_EQ(old, drive.read("WINDOWS\\VKSREG.DAT"));
        DWORD number = 0, size = sizeof number;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "n", nullptr, nullptr,
                                                  reinterpret_cast<BYTE *>(&number), &size));
        EXPECT_EQ(oldNumber, number);
    }
    RegCloseKey(key);
}

TEST_F(WriteFault, AFailedAppendLeavesNoPartOfTheRecord)
{
    const std::string path = drive.host("log.txt").string();
    const std::string old = "first record\n";
    drive.write("log.txt", old);
    const struct {
        const char *name;
        posix::WriteCalls calls;
        DWORD error;
    } rows[] = {
        {"disk full", with(failingWrite), ERROR_DISK_FULL},
        {"short write, then a full disk", with(shortThenFullWrite), ERROR_DISK_FULL},
        {"no lock to be had", with(nullptr, nullptr, failingLock), ERROR_WRITE_FAULT},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        faults = FaultState{1};
        DWORD error = 0;
        {
            posix::ScopedWriteCalls fault(row.calls);
            EXPECT_FALSE(vks::detail::appendWhole(path, "second record\n", error));
        }
        EXPECT_EQ(row.error, error);
        EXPECT_EQ(old, drive.read("log.txt"));
    }
    DWORD error = 0;
    EXPECT_TRUE(vks::detail::appendWhole(path, "second record\n", error));
    EXPECT_EQ(old + "second record\n", drive.read("log.txt"));
}

}  // namespace
