// Writing private profiles: placement of new lines, untouched bytes, removal, atomic replacement
// and the errors of a write that cannot happen.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

class ProfileWrite : public ::testing::Test {
protected:
    std::string iniBytes() const { return drive.read("WINDOWS\\test.ini"); }

    std::vector<std::string> windowsFolder() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(drive.host("WINDOWS")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    vkstest::ScopedDriveC drive;
};

using namespace std::string_literals;

TEST_F(ProfileWrite, ChangesOnlyTheLinesItMust)
{
    struct Row {
        const char *name;
        std::optional<std::string> before;  // nullopt: no file
        const char *section;
        const char *key;
        const char *value;
        std::string after;
    } rows[] = {
        {"rewrite keeps the key's spelling", "[S]\r\nKey=1\r\n", "s", "KEY", "2",
         "[S]\r\nKey=2\r\n"},
        {"rewrite keeps the text before the value", "[s]\r\n  k = 1  \r\n", "s", "k", "2",
         "[s]\r\n  k = 2\r\n"},
        {"rewrite of an empty value", "[s]\r\nk=\r\nj=1\r\n", "s", "k", "v",
         "[s]\r\nk=v\r\nj=1\r\n"},
        {"rewrite changes the first duplicate", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "3",
         "[s]\r\nk=3\r\nK=2\r\n"},
        {"new key after the last key line", "[a]\r\nx=1\r\n; note\r\n\r\n[b]\r\ny=2\r\n", "A",
         "z", "3", "[a]\r\nx=1\r\nz=3\r\n; note\r\n\r\n[b]\r\ny=2\r\n"},
        {"new key under a header without keys", "[a]\r\n\r\n[b]\r\n", "a", "k", "v",
         "[a]\r\nk=v\r\n\r\n[b]\r\n"},
        {"new key in the first of duplicate sections", "[a]\r\nx=1\r\n[a]\r\ny=2\r\n", "a", "z",
         "3", "[a]\r\nx=1\r\nz=3\r\n[a]\r\ny=2\r\n"},
        {"new section at the end", "[a]\r\nx=1\r\n\r\n", "b", "k", "v",
         "[a]\r\nx=1\r\n\r\n[b]\r\nk=v\r\n"},
        {"LF file gets LF lines", "[a]\nx=1\n", "a", "y", "2", "[a]\nx=1\ny=2\n"},
        {"LF file gets an LF section", "[a]\nx=1\n", "b", "k", "v", "[a]\nx=1\n[b]\nk=v\n"},
        {"last line without ending", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        {"header without ending", "[a]", "a", "y", "2", "[a]\r\ny=2\r\n"},
        {"new section after a line without ending", "[a]\nx=1", "b", "k", "v",
         "[a]\nx=1\n[b]\nk=v\n"},
        {"new file uses CRLF", std::nullopt, "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"empty file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"names written as given, without outer blanks", "", " New Sec ", " Some Key ", " v ",
         "[New Sec]\r\nSome Key= v \r\n"},
        {"untouched lines kept byte for byte",
         "; head\r\n\r\n[a]\r\n\tY = 2 \r\nx=1\n  ;c\r\n[b]\r\nK=\"q\"\r\n", "a", "x", "9",
         "; head\r\n\r\n[a]\r\n\tY = 2 \r\nx=9\n  ;c\r\n[b]\r\nK=\"q\"\r\n"},
        {"NUL bytes of other lines kept", "[a]\r\nbin=x\0y\r\nk=1\r\n"s, "a", "k", "2",
         "[a]\r\nbin=x\0y\r\nk=2\r\n"s},
        {"NUL tail of the rewritten line dropped", "[a]\r\nk=1\0junk\r\n"s, "a", "k", "2",
         "[a]\r\nk=2\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[a]\r\nk=1\r\n", "a", "k", "2",
         "\xEF\xBB\xBF[a]\r\nk=2\r\n"},
        {"delete a key", "[a]\r\nx=1\r\n;c\r\ny=2\r\n", "a", "X", nullptr, "[a]\r\n;c\r\ny=2\r\n"},
        {"delete every line of a duplicated key", "[a]\r\nx=1\r\nX=2\r\ny=3\r\n", "a", "x",
         nullptr, "[a]\r\ny=3\r\n"},
        {"delete the last line without ending", "[a]\r\nx=1\r\ny=2", "a", "y", nullptr,
         "[a]\r\nx=1\r\n"},
        {"delete a section with its lines", "[a]\r\nx=1\r\n;c\r\n[b]\r\ny=2\r\n", "A", nullptr,
         nullptr, "[b]\r\ny=2\r\n"},
        {"delete every section of the name", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[A]\r\nz=3\r\n", "a",
         nullptr, nullptr, "[b]\r\ny=2\r\n"},
        {"delete an absent key", "[a]\r\nx=1\r\n", "a", "nokey", nullptr, "[a]\r\nx=1\r\n"},
        {"delete an absent section", "[a]\r\nx=1\r\n", "b", nullptr, nullptr, "[a]\r\nx=1\r\n"},
        {"delete in a missing file creates it empty", std::nullopt, "a", "k", nullptr, ""},
        {"delete a section of a missing file creates it empty", std::nullopt, "a", nullptr,
         nullptr, ""},
        {"same value leaves the file", "[a]\r\nx=1 ; not a comment\r\n", "a", "x",
         "1 ; not a comment", "[a]\r\nx=1 ; not a comment\r\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(drive.host("WINDOWS\\test.ini"));
        if (row.before)
            drive.write("WINDOWS\\test.ini", *row.before);
        EXPECT_TRUE(WritePrivateProfileStringA(row.section, row.key, row.value, "test.ini"));
        EXPECT_EQ(row.after, iniBytes());
        EXPECT_TRUE(fs::exists(drive.host("WINDOWS\\test.ini")));
    }
}

TEST_F(ProfileWrite, WrittenValuesReadBack)
{
    ASSERT_TRUE(WritePrivateProfileStringA("Place", "Key", "first", "test.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("place", "other", "", "test.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("PLACE", "KEY", "second", "test.ini"));
    char buffer[32];
    EXPECT_EQ(6u, GetPrivateProfileStringA("place", "key", "", buffer, sizeof buffer, "test.ini"));
    EXPECT_STREQ("second", buffer);
    EXPECT_EQ(10u, GetPrivateProfileStringA("place", nullptr, "", buffer, sizeof buffer,
                                            "test.ini"));
    EXPECT_EQ(std::string("Key\0other\0\0", 11), std::string(buffer, 11));
    ASSERT_TRUE(WritePrivateProfileStringA("place", "key", nullptr, "test.ini"));
    EXPECT_EQ(3u, GetPrivateProfileStringA("place", "key", "def", buffer, sizeof buffer,
                                           "test.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("place", nullptr, nullptr, "test.ini"));
    EXPECT_EQ(0u, GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer,
                                           "test.ini"));
}

TEST_F(ProfileWrite, RefusesTextThatWouldNotReadBack)
{
    const std::string before = "[s]\r\nk=1\r\n";
    struct Row {
        const char *name;
        const char *section;
        const char *key;
        const char *value;
    } rows[] = {
        {"line break in the value", "s", "k", "one\r\nx=two"},
        {"LF in the value", "s", "k", "one\ntwo"},
        {"line break in the section", "s]\n[t", "k", "v"},
        {"'=' in the key", "s", "a=b", "v"},
        {"key read as a comment", "s", " ;k", "v"},
        {"key read as a section", "s", "[k]", "v"},
        {"empty key", "s", "  ", "v"},
        {"line break in a key to delete", "s", "k\n", nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        drive.write("WINDOWS\\test.ini", before);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(WritePrivateProfileStringA(row.section, row.key, row.value, "test.ini"));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(before, iniBytes());
    }
}

TEST_F(ProfileWrite, NullSectionWritesNothing)
{
    drive.write("WINDOWS\\test.ini", "[s]\r\nk=1\r\n");
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "k", "2", "test.ini"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, "test.ini"))
        << "the cache flush of Windows returns FALSE";
    EXPECT_EQ("[s]\r\nk=1\r\n", iniBytes());
}

TEST_F(ProfileWrite, FailedWritesReportTheWindowsError)
{
    fs::create_directories(drive.host("WINDOWS\\folder.ini"));
    drive.write("WINDOWS\\plain.txt", "text");
    struct Row {
        const char *name;
        const char *file;
        DWORD error;
    } rows[] = {
        {"missing folder", "C:\\nowhere\\test.ini", ERROR_PATH_NOT_FOUND},
        {"missing folder, relative name", "nowhere\\test.ini", ERROR_PATH_NOT_FOUND},
        {"unmapped drive", "Q:\\test.ini", ERROR_PATH_NOT_FOUND},
        {"a folder where the file should be", "folder.ini", ERROR_ACCESS_DENIED},
        {"a file where a folder should be", "plain.txt\\test.ini", ERROR_PATH_NOT_FOUND},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", row.file));
        EXPECT_EQ(row.error, GetLastError());
    }
    EXPECT_EQ("text", drive.read("WINDOWS\\plain.txt"));
    EXPECT_FALSE(fs::exists(drive.host("nowhere")));
    EXPECT_TRUE(fs::is_directory(drive.host("WINDOWS\\folder.ini")));
}

TEST_F(ProfileWrite, AWriteThroughASymbolicLinkReplacesTheFileItLeadsTo)
{
    drive.write("data\\real.ini", "[s]\r\nk=1\r\n");
    fs::create_symlink(drive.host("data\\real.ini"), drive.host("WINDOWS") / "link.ini");
    for (const char *value : {"2", "3"}) {
        SCOPED_TRACE(value);
        SetLastError(0xdeadbeef);
        ASSERT_TRUE(WritePrivateProfileStringA("s", "k", value, "link.ini"));
        EXPECT_TRUE(fs::is_symlink(drive.host("WINDOWS") / "link.ini"));
        EXPECT_EQ("[s]\r\nk="s + value + "\r\n", drive.read("data\\real.ini"));
        EXPECT_EQ(std::stoul(value), GetPrivateProfileIntA("s", "k", 0, "link.ini"));
    }
}

TEST_F(ProfileWrite, AFileThatReappearsUnderAnotherSpellingIsWrittenThere)
{
    // The first write keeps where "moved.ini" led; the file then goes and comes back with its
    // name in capitals, which Windows' names do not tell apart.
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "1", "moved.ini"));
    fs::remove(drive.host("WINDOWS\\moved.ini"));
    std::ofstream(drive.host("WINDOWS") / "MOVED.INI", std::ios::binary) << "[s]\r\nk=1\r\n";
    ASSERT_TRUE(WritePrivateProfileStringA("s", "j", "2", "moved.ini"));
    EXPECT_EQ((std::vector<std::string>{"MOVED.INI", "SYSTEM"}), windowsFolder());
    EXPECT_EQ("[s]\r\nk=1\r\nj=2\r\n", drive.read("WINDOWS\\MOVED.INI"));
}

TEST_F(ProfileWrite, ReplacesTheFileAtomically)
{
    drive.write("WINDOWS\\test.ini", "[s]\r\nk=old\r\n");
    std::ifstream openBefore(drive.host("WINDOWS\\test.ini"), std::ios::binary);
    fs::permissions(drive.host("WINDOWS\\test.ini"), fs::perms(0640));

    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "new", "test.ini"));

    std::ostringstream seenByOldReader;
    seenByOldReader << openBefore.rdbuf();
    EXPECT_EQ("[s]\r\nk=old\r\n", seenByOldReader.str()) << "the old file was not written over";
    EXPECT_EQ("[s]\r\nk=new\r\n", iniBytes());
    const std::vector<std::string> expectedFolder = {"SYSTEM", "test.ini"};
    EXPECT_EQ(expectedFolder, windowsFolder())
        << "no temporary file is left behind";
    EXPECT_EQ(fs::perms(0640),
              fs::status(drive.host("WINDOWS\\test.ini")).permissions() & fs::perms::mask);
}

TEST_F(ProfileWrite, WritesKeepChangesMadeBetweenThem)
{
    ASSERT_TRUE(WritePrivateProfileStringA("s", "mine", "1", "test.ini"));
    // Another program rewrites the file in place, within the same clock tick.
    drive.write("WINDOWS\\test.ini", "[s]\r\nmine=1\r\ntheirs=2\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("s", "more", "3", "test.ini"));
    EXPECT_EQ("[s]\r\nmine=1\r\ntheirs=2\r\nmore=3\r\n", iniBytes());
}

TEST_F(ProfileWrite, ThreadsLoseNoUpdate)
{
    constexpr int kThreads = 4;
    constexpr int kKeys = 50;
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &failures] {
            for (int i = 0; i < kKeys; ++i) {
                std::string key = "t" + std::to_string(t) + "k" + std::to_string(i);
                if (!WritePrivateProfileStringA("s", key.c_str(), "v", "threads.ini"))
                    ++failures[t];
            }
        });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(std::vector<int>(kThreads, 0), failures);
    std::string names(8192, '\0');
    DWORD count = GetPrivateProfileStringA("s", nullptr, "", names.data(), 8192, "threads.ini");
    int listed = 0;
    for (size_t pos = 0; pos < count; pos = names.find('\0', pos) + 1)
        ++listed;
    EXPECT_EQ(kThreads * kKeys, listed);
}

}  // namespace
