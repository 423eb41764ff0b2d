// Private profiles shared between processes: concurrent writers and writers without rights.
#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "posix/inifile_posix.h"
#include "vkstest.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string &bytes, const std::string &ending)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    for (size_t end; (end = bytes.find(ending, pos)) != std::string::npos; pos = end + ending.size())
        lines.push_back(bytes.substr(pos, end - pos));
    if (pos < bytes.size())
        lines.push_back(bytes.substr(pos));
    return lines;
}

std::vector<std::string> regularFilesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    return names;
}

TEST(ProfileProcesses, TwoWritersAtOnceLoseNoUpdate)
{
    vkstest::ScopedDriveC drive;
    constexpr int kKeysPerWriter = 500;
    int gate[2];
    ASSERT_EQ(0, pipe(gate));
    std::vector<pid_t> writers;
    for (int writer = 0; writer < 2; ++writer) {
        pid_t pid = fork();
        if (pid == 0) {
            // Both start when the parent closes the gate.
            close(gate[1]);
            char ignored;
            while (read(gate[0], &ignored, 1) > 0) {
            }
            int failures = 0;
            for (int i = 0; i < kKeysPerWriter; ++i) {
                std::string key = "w" + std::to_string(writer) + "k" + std::to_string(i);
                std::string value = std::to_string(i);
                if (!WritePrivateProfileStringA("shared", key.c_str(), value.c_str(), "race.ini"))
                    ++failures;
            }
            _exit(failures == 0 ? 0 : 1);
        }
        ASSERT_GT(pid, 0);
        writers.push_back(pid);
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
    }

    std::vector<std::string> lines = splitLines(drive.read("WINDOWS\\race.ini"), "\r\n");
    ASSERT_EQ(1u + 2 * kKeysPerWriter, lines.size());
    EXPECT_EQ("[shared]", lines.front());
    for (int writer = 0; writer < 2; ++writer)
        for (int i = 0; i < kKeysPerWriter; ++i) {
            std::string key = "w" + std::to_string(writer) + "k" + std::to_string(i);
            ASSERT_EQ(static_cast<UINT>(i), GetPrivateProfileIntA("shared", key.c_str(), -1,
                                                                  "race.ini"))
                << key;
        }
    const std::vector<std::string> expectedFiles = {"race.ini"};
    EXPECT_EQ(expectedFiles, regularFilesIn(drive.host("WINDOWS")))
        << "no temporary file is left behind";
}

// The rights checks run in a child that, when the tests run as root, gives up root first:
// root may write anywhere, and the checks must still run.
TEST(ProfileProcesses, WritesWithoutRightsAreDeniedAndChangeNothing)
{
    vkstest::ScopedDriveC drive;
    drive.write("WINDOWS\\locked\\inside.ini", "[s]\r\nk=1\r\n");
    drive.write("WINDOWS\\open\\readonly.ini", "[s]\r\nk=1\r\n");
    fs::create_directories(drive.host("WINDOWS\\closed"));
    drive.write("WINDOWS\\closed\\hidden.ini", "[s]\r\nk=1\r\n");
    fs::permissions(drive.root(), fs::perms(0755));
    fs::permissions(drive.host("WINDOWS"), fs::perms(0755));
    fs::permissions(drive.host("WINDOWS\\locked\\inside.ini"), fs::perms(0666));
    fs::permissions(drive.host("WINDOWS\\locked"), fs::perms(0555));
    fs::permissions(drive.host("WINDOWS\\open"), fs::perms(0777));
    fs::permissions(drive.host("WINDOWS\\open\\readonly.ini"), fs::perms(0444));
    fs::permissions(drive.host("WINDOWS\\closed"), fs::perms(0));

    struct Row {
        const char *name;
        const char *file;
        UINT read;  // GetPrivateProfileIntA of k, default 7
    } rows[] = {
        {"new file in a read-only folder", "C:\\WINDOWS\\locked\\new.ini", 7},
        {"writable file in a read-only folder", "C:\\WINDOWS\\locked\\inside.ini", 1},
        {"read-only file", "C:\\WINDOWS\\open\\readonly.ini", 1},
        {"file in a folder without rights", "C:\\WINDOWS\\closed\\hidden.ini", 7},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        int status = vkstest::exitStatusOfChild([&] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                return 100;
            if (GetPrivateProfileIntA("s", "k", 7, row.file) != row.read)
                return 101;
            SetLastError(0xdeadbeef);
            if (WritePrivateProfileStringA("s", "k", "2", row.file))
                return 102;
            return GetLastError() == ERROR_ACCESS_DENIED ? 0 : 103;
        });
        EXPECT_EQ(0, status) << "100: cannot drop root, 101: read failed, 102: write "
                                "succeeded, 103: wrong error";
    }
    fs::permissions(drive.host("WINDOWS\\closed"), fs::perms(0755));
    EXPECT_EQ("[s]\r\nk=1\r\n", drive.read("WINDOWS\\locked\\inside.ini"));
    EXPECT_EQ("[s]\r\nk=1\r\n", drive.read("WINDOWS\\open\\readonly.ini"));
    EXPECT_EQ("[s]\r\nk=1\r\n", drive.read("WINDOWS\\closed\\hidden.ini"));
    EXPECT_EQ(std::vector<std::string>{"inside.ini"},
              regularFilesIn(drive.host("WINDOWS\\locked")));
    EXPECT_EQ(std::vector<std::string>{"readonly.ini"},
              regularFilesIn(drive.host("WINDOWS\\open")));
}

// Writers killed at any point of a write, then a restart that writes once: no temporary file is
// left in the folder, and the file holds one whole value, old or new.
TEST(ProfileProcesses, KilledWritersLeaveNothingBehindAfterTheNextWrite)
{
    vkstest::ScopedDriveC drive;
    // Large values make the temporary file's writing most of each write's time.
    const std::string values[] = {std::string(1 << 14, 'a'), std::string(1 << 14, 'b'), "old"};
    drive.write("WINDOWS\\killed.ini", "[s]\r\nk=old\r\n");
    for (int round = 0; round < 16; ++round) {
        int written[2];
        ASSERT_EQ(0, pipe(written));
        pid_t pid = fork();
        if (pid == 0) {
            close(written[0]);
            for (int i = 0;; ++i) {
                WritePrivateProfileStringA("s", "k", values[i % 2].c_str(), "killed.ini");
                if (write(written[1], "w", 1) != 1)
                    _exit(1);
            }
        }
        ASSERT_GT(pid, 0);
        close(written[1]);
        // Killed after a varying number of finished writes, somewhere in the next one; every
        // other round, exactly while the writer's temporary file is in the folder.
        char done;
        for (int i = 0; i <= round % 4; ++i)
            ASSERT_EQ(1, read(written[0], &done, 1));
        while (round % 2 == 1 && regularFilesIn(drive.host("WINDOWS")).size() < 2) {
        }
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        close(written[0]);
    }

    int restarted = vkstest::exitStatusOfChild([] {
        return WritePrivateProfileStringA("s", "after", "restart", "killed.ini") ? 0 : 1;
    });
    EXPECT_EQ(0, restarted);
    EXPECT_EQ(std::vector<std::string>{"killed.ini"}, regularFilesIn(drive.host("WINDOWS")));
    std::string value(values[0].size() + 2, '\0');
    DWORD length = GetPrivateProfileStringA("s", "k", "none", value.data(),
                                            static_cast<DWORD>(value.size()), "killed.ini");
    value.resize(length);
    EXPECT_TRUE(value == values[0] || value == values[1] || value == values[2])
        << "a torn value of " << length << " characters";
    char after[16];
    EXPECT_EQ(7u, GetPrivateProfileStringA("s", "after", "", after, sizeof after, "killed.ini"));
}

// Earlier versions named a temporary file by its writer's pid, one per write; those of writers
// that are gone are removed by the next write of the same file, and nothing else is.
TEST(ProfileProcesses, TemporaryFilesOfGoneWritersAreRemoved)
{
    vkstest::ScopedDriveC drive;
    drive.write("WINDOWS\\orphans.ini", "[s]\r\nk=1\r\n");
    pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_GT(gone, 0);
    ASSERT_EQ(gone, waitpid(gone, nullptr, 0));
    const std::string dead = std::to_string(gone), alive = std::to_string(getpid());
    const std::vector<std::string> kept = {".orphans.ini." + alive + "-1.tmp",
                                           ".other.ini." + dead + "-1.tmp", "notes.tmp",
                                           ".orphans.ini.x-1.tmp", "orphans.ini"};
    for (const std::string &name : kept)
        if (name != "orphans.ini")
            drive.write("WINDOWS\\" + name, "x");
    drive.write("WINDOWS\\.orphans.ini." + dead + "-7.tmp", "[s]\r\nk=half");

    EXPECT_EQ(0, vkstest::exitStatusOfChild([] {
        return WritePrivateProfileStringA("s", "k", "2", "orphans.ini") ? 0 : 1;
    }));
    std::vector<std::string> left = regularFilesIn(drive.host("WINDOWS"));
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, left);
}

TEST(ProfileThreads, WritersOfOneFolderTakeTurnsAndLoseNothing)
{
    vkstest::ScopedDriveC drive;
    constexpr int kKeys = 150;
    auto writeKeys = [](const char *file, const char *prefix) {
        for (int i = 0; i < kKeys; ++i)
            WritePrivateProfileStringA("s", (prefix + std::to_string(i)).c_str(),
                                       std::to_string(i).c_str(), file);
    };
    std::thread first(writeKeys, "one.ini", "a");
    std::thread second(writeKeys, "one.ini", "b");
    std::thread third(writeKeys, "two.ini", "c");
    first.join();
    second.join();
    third.join();
    auto valueOf = [](const char *file, std::string key) {
        return GetPrivateProfileIntA("s", key.c_str(), -1, file);
    };
    for (int i = 0; i < kKeys; ++i) {
        std::string suffix = std::to_string(i);
        ASSERT_EQ(static_cast<UINT>(i), valueOf("one.ini", "a" + suffix));
        ASSERT_EQ(static_cast<UINT>(i), valueOf("one.ini", "b" + suffix));
        ASSERT_EQ(static_cast<UINT>(i), valueOf("two.ini", "c" + suffix));
    }
}

// The lock of a file's folder may be taken again by the thread that holds it, for another file
// of the same folder, without waiting for itself.
TEST(ProfileThreads, AThreadHoldingTheLockMayLockAnotherFileOfTheFolder)
{
    vkstest::ScopedDriveC drive;
    drive.write("WINDOWS\\outer.ini", "[s]\r\n");
    vks::detail::IniFileLock outer, inner;
    DWORD error = 0;
    ASSERT_EQ(vks::detail::IniFileLock::Result::Locked,
              outer.acquire(drive.host("WINDOWS\\outer.ini").string(), false, error));
    ASSERT_EQ(vks::detail::IniFileLock::Result::Locked,
              inner.acquire(drive.host("WINDOWS").string() + "/inner.dat", true, error));
    vks::detail::FileSnapshot written;
    EXPECT_TRUE(inner.replace("inner bytes", written, error));
    EXPECT_TRUE(outer.replace("[s]\r\nk=v\r\n", written, error));
    EXPECT_EQ("inner bytes", drive.read("WINDOWS\\inner.dat"));
    EXPECT_EQ("[s]\r\nk=v\r\n", drive.read("WINDOWS\\outer.ini"));
}

}  // namespace
