// The registry kept parsed between calls: when the cached tree may stand for the file, changes
// of the file by anyone seen at the next call, writes only for real changes, and many writers
// at once.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "advapi32/registry_cache.h"
#include "vkstest.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;
using vks::detail::FileSnapshot;
using vks::detail::FileStamp;
using vks::detail::RegistryCache;
using vks::detail::RegistryTree;

constexpr char kPath[] = "/drive/WINDOWS/VKSREG.DAT";
constexpr char kText[] = "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n\"Number\"=dword:00000007\r\n";

FileSnapshot snapshotOf(std::uint64_t inode, bool settled)
{
    FileSnapshot snapshot;
    snapshot.stamp.inode = inode;
    snapshot.stamp.size = sizeof kText - 1;
    snapshot.stamp.mtimeNs = 1'700'000'000'000'000'000;
    snapshot.stamp.ctimeNs = snapshot.stamp.mtimeNs;
    snapshot.settled = settled;
    return snapshot;
}

DWORD numberIn(const RegistryTree &tree)
{
    const auto *key = tree.find("HKEY_LOCAL_MACHINE", {"software", "KEPT"});
    const auto *value = key ? key->value("number") : nullptr;
    if (!value || value->data.size() != 4)
        return 0;
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), 4);
    return number;
}

TEST(RegistryCache, AnswersFromTheStampOnlyForTheSameSettledFile)
{
    const struct {
        const char *name;
        bool settled;
        const char *path;
        std::uint64_t inode;
        bool found;
    } rows[] = {
        {"same file, settled", true, kPath, 11, true},
        {"same file, still recent", false, kPath, 11, false},
        {"another file in its place", true, kPath, 12, false},
        {"another drive's registry", true, "/other/WINDOWS/VKSREG.DAT", 11, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        RegistryCache cache;
        auto stored = cache.store(kPath, kText, snapshotOf(11, row.settled));
        EXPECT_EQ(7u, numberIn(*stored));
        EXPECT_EQ(row.found, cache.find(row.path, snapshotOf(row.inode, true).stamp) != nullptr);
    }
}

TEST(RegistryCache, ParsesTheSameBytesOnlyOnce)
{
    RegistryCache cache;
    auto first = cache.store(kPath, kText, snapshotOf(11, false));
    auto again = cache.store(kPath, kText, snapshotOf(12, true));
    EXPECT_EQ(first, again) << "bytes read again under a recent stamp keep their tree";
    EXPECT_EQ(again, cache.find(kPath, snapshotOf(12, true).stamp));
    auto other = cache.store(kPath, "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n", snapshotOf(13, true));
    EXPECT_NE(first, other);
    EXPECT_EQ(0u, numberIn(*other));
}

TEST(RegistryCache, AWriterChangesItsOwnTreeAndNeverOneAReaderHolds)
{
    RegistryCache cache;
    std::shared_ptr<const RegistryTree> reader = cache.store(kPath, kText, snapshotOf(11, true));
    std::string bytes;
    std::shared_ptr<RegistryTree> written = cache.takeSettled(kPath, snapshotOf(11, true).stamp, bytes);
    ASSERT_NE(nullptr, written);
    EXPECT_EQ(kText, bytes);
    EXPECT_NE(reader.get(), written.get()) << "a tree in a reader's hands is copied";
    EXPECT_EQ(nullptr, cache.find(kPath, snapshotOf(11, true).stamp)) << "taken out while it changes";
    std::vector<std::string> path = {"Software", "Kept"};
    bool created = false;
    written->create("HKEY_LOCAL_MACHINE", path, created).setValue("Number", REG_DWORD, std::string("\x09\0\0\0", 4));
    EXPECT_EQ(7u, numberIn(*reader));
    cache.put(kPath, written, "changed", snapshotOf(12, true));
    EXPECT_EQ(9u, numberIn(*cache.find(kPath, snapshotOf(12, true).stamp)));

    // Held by nobody else, the cached tree itself is handed over.
    const RegistryTree *cached = written.get();
    reader.reset();
    written.reset();
    EXPECT_EQ(cached, cache.takeParsed(kPath, "changed").get());
}

// A private drive C with one key of HKEY_LOCAL_MACHINE open.
class RegistryFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Kept", &key_)); }
    void TearDown() override { RegCloseKey(key_); }

    LONG setNumber(const char *name, DWORD number)
    {
        return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                              sizeof number);
    }
    // The number of a value, or the code of the failure as a negative number.
    long long number(const char *name)
    {
        DWORD value = 0, size = sizeof value;
        LONG result = RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE *>(&value), &size);
        return result == ERROR_SUCCESS ? value : -static_cast<long long>(result);
    }
    fs::path file() const { return drive_.host("WINDOWS\\VKSREG.DAT"); }

    vkstest::ScopedDriveC drive_;
    HKEY key_ = nullptr;
};

// What another program may do to the file between two calls of this process; each is written
// to keep the file's size, so that only its content tells.
TEST_F(RegistryFileTest, SeesEveryChangeOfTheFileAtTheNextCall)
{
    const std::string seven = "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n\"Number\"=dword:00000007\r\n";
    const std::string eight = "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n\"Number\"=dword:00000008\r\n";
    const struct {
        const char *name;
        void (*change)(const fs::path &file, const std::string &bytes);
        long long expected;
    } rows[] = {
        {"rewritten in place",
         [](const fs::path &file, const std::string &bytes) {
             std::ofstream(file, std::ios::binary | std::ios::in | std::ios::out) << bytes;
         },
         8},
        {"replaced by another file",
         [](const fs::path &file, const std::string &bytes) {
             std::ofstream(file.string() + ".new", std::ios::binary) << bytes;
             fs::rename(file.string() + ".new", file);
         },
         8},
        {"removed", [](const fs::path &file, const std::string &) { fs::remove(file); },
         -ERROR_KEY_DELETED},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        drive_.write("WINDOWS\\VKSREG.DAT", seven);
        ASSERT_EQ(7, number("Number"));
        row.change(file(), eight);
        EXPECT_EQ(row.expected, number("number"));
    }
}

TEST_F(RegistryFileTest, LeavesTheFileAloneWhenNothingChanges)
{
    ASSERT_EQ(ERROR_SUCCESS, setNumber("Number", 7));
    struct stat before {};
    ASSERT_EQ(0, stat(file().c_str(), &before));
    const struct {
        const char *name;
        LONG (*call)(HKEY key);
        LONG expected;
    } rows[] = {
        {"the same value again, named in another case",
         [](HKEY key) {
             DWORD seven = 7;
             return RegSetValueExA(key, "NUMBER", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&seven), 4);
         },
         ERROR_SUCCESS},
        {"an existing key created again",
         [](HKEY) {
             HKEY again = nullptr;
             LONG result = RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\kept", &again);
             RegCloseKey(again);
             return result;
         },
         ERROR_SUCCESS},
        {"a missing value deleted", [](HKEY key) { return RegDeleteValueA(key, "Missing"); },
         ERROR_FILE_NOT_FOUND},
        {"a missing key deleted", [](HKEY key) { return RegDeleteKeyA(key, "Missing"); },
         ERROR_FILE_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, row.call(key_));
        struct stat after {};
        ASSERT_EQ(0, stat(file().c_str(), &after));
        EXPECT_EQ(before.st_ino, after.st_ino) << "the file was replaced";
    }
    ASSERT_EQ(ERROR_SUCCESS, setNumber("Number", 8));
    struct stat changed {};
    ASSERT_EQ(0, stat(file().c_str(), &changed));
    EXPECT_NE(before.st_ino, changed.st_ino);
}

TEST_F(RegistryFileTest, FourProcessesSettingThreeHundredValuesEachLoseNone)
{
    constexpr int kWriters = 4;
    constexpr int kValuesPerWriter = 300;
    int gate[2];
    ASSERT_EQ(0, pipe(gate));
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        pid_t pid = fork();
        if (pid == 0) {
            close(gate[1]);
            char go;
            bool ok = read(gate[0], &go, 1) == 0;  // all start when the pipe closes
            for (int i = 0; ok && i < kValuesPerWriter; ++i) {
                std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
                ok = setNumber(name.c_str(), static_cast<DWORD>(writer * 1000 + i)) == ERROR_SUCCESS;
            }
            _exit(ok ? 0 : 1);
        }
        ASSERT_GT(pid, 0);
        writers.push_back(pid);
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t pid : writers) {
        int status = -1;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < kWriters; ++writer)
        for (int i = 0; i < kValuesPerWriter; ++i) {
            std::string name = "W" + std::to_string(writer) + "-" + std::to_string(i);
            ASSERT_EQ(writer * 1000 + i, number(name.c_str())) << name;
        }
}

}  // namespace
