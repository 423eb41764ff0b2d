// The registry subset: returned codes, names without case, values byte for byte, persistence in
// the drive's registry file and its atomic replacement.
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "windows.h"

namespace {

constexpr char kServices[] = "System\\CurrentControlSet\\Services";

// A key of HKEY_LOCAL_MACHINE opened (and created) for the test, closed at the end.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, kServices, &key_)); }
    void TearDown() override { RegCloseKey(key_); }

    void setString(HKEY key, const char *name, const char *text, DWORD type = REG_SZ)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(text),
                                                static_cast<DWORD>(std::strlen(text) + 1)));
    }
    void setDword(HKEY key, const char *name, DWORD number)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, REG_DWORD,
                                                reinterpret_cast<const BYTE *>(&number), sizeof number));
    }
    std::string queryString(HKEY key, const char *name)
    {
        char text[260] = "";
        DWORD size = sizeof text;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, name, nullptr, nullptr,
                                                  reinterpret_cast<BYTE *>(text), &size));
        return std::string(text, size ? size - 1 : 0);
    }
    std::string file() const { return drive_.read("WINDOWS\\VKSREG.DAT"); }

    vkstest::ScopedDriveC drive_;
    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, OpenAnswersCodesAndTheSameHandleForNoSubkey)
{
    setString(key_, "Marker", "x");
    const struct {
        const char *name;
        HKEY base;
        const char *subKey;
        bool withResult;
        LONG expected;
    } rows[] = {
        {"existing path", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet", true, ERROR_SUCCESS},
        {"other case, trailing backslash", HKEY_LOCAL_MACHINE, "SYSTEM\\currentcontrolset\\services\\", true, ERROR_SUCCESS},
        {"missing leaf", HKEY_LOCAL_MACHINE, "System\\Nothing", true, ERROR_FILE_NOT_FOUND},
        {"missing in another root", HKEY_CURRENT_USER, kServices, true, ERROR_FILE_NOT_FOUND},
        {"empty component", HKEY_LOCAL_MACHINE, "System\\\\CurrentControlSet", true, ERROR_BAD_PATHNAME},
        {"no result pointer", HKEY_LOCAL_MACHINE, "System", false, ERROR_INVALID_PARAMETER},
        {"no key at all", reinterpret_cast<HKEY>(0x7777), "System", true, ERROR_INVALID_HANDLE},
        {"performance data is not served", HKEY_PERFORMANCE_DATA, "System", true, ERROR_INVALID_HANDLE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        HKEY opened = reinterpret_cast<HKEY>(0x1);
        EXPECT_EQ(row.expected, RegOpenKeyA(row.base, row.subKey, row.withResult ? &opened : nullptr));
        EXPECT_EQ(0xdeadbeefu, GetLastError()) << "the code is returned, not set";
        if (!row.withResult)
            continue;
        EXPECT_EQ(row.expected == ERROR_SUCCESS, opened != nullptr);
        if (opened) {
            EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(opened));
        }
    }
    HKEY same = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(key_, "", &same));
    EXPECT_EQ(key_, same);
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, nullptr, &same));
    EXPECT_EQ(HKEY_LOCAL_MACHINE, same);
}

TEST_F(RegistryTest, QueryReportsSizeTypeAndMoreData)
{
    setString(key_, "EventMessageFile", "c:\\app\\VKSUTIL.DLL", REG_EXPAND_SZ);
    const struct {
        const char *name;
        const char *value;
        bool withData;
        bool withSize;
        DWORD room;
        LONG expected;
        DWORD expectedSize;  // what *lpcbData holds after the call
        DWORD expectedType;
    } rows[] = {
        {"size only", "EventMessageFile", false, true, 0, ERROR_SUCCESS, 19, REG_EXPAND_SZ},
        {"neither data nor size", "eventmessagefile", false, false, 0, ERROR_SUCCESS, 0, REG_EXPAND_SZ},
        {"exact room", "EVENTMESSAGEFILE", true, true, 19, ERROR_SUCCESS, 19, REG_EXPAND_SZ},
        {"one byte short", "EventMessageFile", true, true, 18, ERROR_MORE_DATA, 19, REG_EXPAND_SZ},
        {"missing value", "Missing", true, true, 64, ERROR_FILE_NOT_FOUND, 64, 0xdead},
        {"data without its size", "EventMessageFile", true, false, 0, ERROR_INVALID_PARAMETER, 0, 0xdead},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        BYTE data[64];
        std::memset(data, 'Z', sizeof data);
        DWORD size = row.room, type = 0xdead;
        EXPECT_EQ(row.expected, RegQueryValueExA(key_, row.value, nullptr, &type,
                                                 row.withData ? data : nullptr,
                                                 row.withSize ? &size : nullptr));
        if (row.withSize) {
            EXPECT_EQ(row.expectedSize, size);
        }
        EXPECT_EQ(row.expectedType, type);
        if (row.expected == ERROR_SUCCESS && row.withData) {
            EXPECT_STREQ("c:\\app\\VKSUTIL.DLL", reinterpret_cast<char *>(data));
        }
        if (row.expected == ERROR_MORE_DATA) {
            EXPECT_EQ('Z', data[0]) << "no data when it does not fit";
        }
    }
    DWORD reserved = 0;
    EXPECT_EQ(ERROR_INVALID_PARAMETER,
              RegQueryValueExA(key_, "EventMessageFile", &reserved, nullptr, nullptr, nullptr));
}

TEST_F(RegistryTest, ValuesKeepTheirBytesTypeAndFirstNameThroughTheFile)
{
    const BYTE binary[] = {0x00, 0x0d, 0x0a, 0x22, 0x5c, 0xff};
    const char noNul[] = {'a', 'b'};
    setDword(key_, "TypesSupported", 7);
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "Blob", 0, REG_BINARY, binary, sizeof binary));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "Unended", 0, REG_SZ,
                                            reinterpret_cast<const BYTE *>(noNul), sizeof noNul));
    setString(key_, "Quoted", "say \"hi\"\\\r\nthere\t");
    setString(key_, "", "the default");
    setString(key_, "LOGFOLDER", "first case");
    setString(key_, "logfolder", "c:\\windows\\vks32\\VELMORA");
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "Empty", 0, REG_SZ, nullptr, 0));
    EXPECT_EQ(ERROR_NOACCESS, RegSetValueExA(key_, "Bad", 0, REG_BINARY, nullptr, 4));

    const std::string text = file();
    EXPECT_NE(std::string::npos, text.find("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services]\r\n"));
    EXPECT_NE(std::string::npos, text.find("\"TypesSupported\"=dword:00000007\r\n"));
    EXPECT_NE(std::string::npos, text.find("\"LOGFOLDER\"=sz:\"c:\\\\windows\\\\vks32\\\\VELMORA\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("@=sz:\"the default\"\r\n"));

    const struct {
        const char *name;
        DWORD type;
        std::string bytes;
    } rows[] = {
        {"TypesSupported", REG_DWORD, std::string("\x07\0\0\0", 4)},
        {"Blob", REG_BINARY, std::string(reinterpret_cast<const char *>(binary), sizeof binary)},
        {"Unended", REG_SZ, "ab"},
        {"Quoted", REG_SZ, std::string("say \"hi\"\\\r\nthere\t\0", 18)},
        {"", REG_SZ, std::string("the default\0", 12)},
        {"LogFolder", REG_SZ, std::string("c:\\windows\\vks32\\VELMORA\0", 25)},
        {"Empty", REG_SZ, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        BYTE data[64];
        DWORD size = sizeof data, type = 0;
        ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, row.name, nullptr, &type, data, &size));
        EXPECT_EQ(row.type, type);
        EXPECT_EQ(row.bytes, std::string(reinterpret_cast<char *>(data), size));
    }
}

TEST_F(RegistryTest, ChangesPersistAcrossAFreshReadOfTheFile)
{
    HKEY source = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "EventLog\\Application\\Velmora", &source));
    setString(source, "EventMessageFile", "c:\\app\\VKSUTIL.DLL", REG_EXPAND_SZ);
    RegCloseKey(source);

    // Another process sees the change at its next call.
    pid_t pid = fork();
    if (pid == 0) {
        HKEY reopened = nullptr;
        bool ok = RegOpenKeyA(HKEY_LOCAL_MACHINE,
                              "SYSTEM\\CurrentControlSet\\Services\\EVENTLOG\\application\\velmora",
                              &reopened) == ERROR_SUCCESS &&
                  RegQueryValueExA(reopened, "EventMessageFile", nullptr, nullptr, nullptr, nullptr) ==
                      ERROR_SUCCESS &&
                  RegDeleteValueA(reopened, "EventMessageFile") == ERROR_SUCCESS;
        _exit(ok ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));

    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(key_, "EventLog\\Application\\Velmora", &source));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExA(source, "EventMessageFile", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(source);
}

TEST_F(RegistryTest, DeleteKeyRefusesSubkeysAndLeavesStaleHandlesDeleted)
{
    HKEY leaf = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(key_, "Parent\\Leaf", &leaf));
    setString(leaf, "Value", "v");
    const struct {
        const char *name;
        HKEY base;
        const char *subKey;
        LONG expected;
    } rows[] = {
        {"a key with subkeys", key_, "Parent", ERROR_ACCESS_DENIED},
        {"a missing key", key_, "Parent\\Other", ERROR_FILE_NOT_FOUND},
        {"no name", key_, nullptr, ERROR_INVALID_PARAMETER},
        {"a predefined key", HKEY_LOCAL_MACHINE, "", ERROR_ACCESS_DENIED},
        {"the leaf, with its values", key_, "PARENT\\leaf", ERROR_SUCCESS},
        {"the leaf again", key_, "Parent\\Leaf", ERROR_FILE_NOT_FOUND},
        {"the parent, now empty", key_, "Parent", ERROR_SUCCESS},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, RegDeleteKeyA(row.base, row.subKey));
    }
    EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExA(leaf, "Value", nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(ERROR_KEY_DELETED, RegSetValueExA(leaf, "Value", 0, REG_SZ, nullptr, 0));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(leaf));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(leaf));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(HKEY_LOCAL_MACHINE));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(key_, "Never set"));
}

TEST_F(RegistryTest, ReadsSkipWhatDoesNotParseAndChangesReplaceTheFileWhole)
{
    drive_.write("WINDOWS\\VKSREG.DAT",
                 "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n"
                 "\"Good\"=dword:0000002a\r\n"
                 "\"Broken\"=dword:xyz\r\n"
                 "garbage line\r\n"
                 "\"Unterminated=sz:\"a\r\n"
                 "[no closing bracket\r\n"
                 "\"Orphan\"=sz:\"lost with its key\"\r\n");
    HKEY kept = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, "software\\kept", &kept));
    DWORD number = 0, size = sizeof number;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(kept, "good", nullptr, nullptr,
                                              reinterpret_cast<BYTE *>(&number), &size));
    EXPECT_EQ(42u, number);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(kept, "Broken", nullptr, nullptr, nullptr, nullptr));

    const std::string path = drive_.host("WINDOWS\\VKSREG.DAT").string();
    struct stat before {}, after {};
    ASSERT_EQ(0, stat(path.c_str(), &before));
    setDword(kept, "Added", 1);
    ASSERT_EQ(0, stat(path.c_str(), &after));
    EXPECT_NE(before.st_ino, after.st_ino) << "a new file takes the old one's place";
    RegCloseKey(kept);
    EXPECT_EQ("; The registry of this drive: [key] lines, each followed by its values.\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Kept]\r\n"
              "\"Good\"=dword:0000002a\r\n"
              "\"Added\"=dword:00000001\r\n",
              file());
    for (const auto &entry : std::filesystem::directory_iterator(drive_.host("WINDOWS"))) {
        EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".tmp"))
            << "no temporary file is left behind";
    }
}

TEST_F(RegistryTest, DeletingAValueKeepsTheOthersFoundAndInTheirPlaces)
{
    for (const char *name : {"First", "Second", "Third", "Fourth"})
        setString(key_, name, name);
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, "SECOND"));
    setString(key_, "second", "back");
    setString(key_, "third", "Third again");
    const struct {
        const char *name;
        const char *text;
    } rows[] = {
        {"FIRST", "First"}, {"Third", "Third again"}, {"fourth", "Fourth"}, {"Second", "back"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.text, queryString(key_, row.name));
    }
    EXPECT_EQ("; The registry of this drive: [key] lines, each followed by its values.\r\n"
              "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services]\r\n"
              "\"First\"=sz:\"First\"\r\n"
              "\"Third\"=sz:\"Third again\"\r\n"
              "\"Fourth\"=sz:\"Fourth\"\r\n"
              "\"second\"=sz:\"back\"\r\n",
              file())
        << "a value set again after its deletion comes last, with its new name";
}

TEST_F(RegistryTest, TwoProcessesSettingValuesAtOnceLoseNone)
{
    constexpr int kValuesPerWriter = 60;
    pid_t writers[2];
    for (int writer = 0; writer < 2; ++writer) {
        writers[writer] = fork();
        if (writers[writer] == 0) {
            bool ok = true;
            for (int i = 0; i < kValuesPerWriter; ++i) {
                std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
                DWORD number = static_cast<DWORD>(i);
                ok = ok && RegSetValueExA(key_, name.c_str(), 0, REG_DWORD,
                                          reinterpret_cast<const BYTE *>(&number), 4) == ERROR_SUCCESS;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t pid : writers) {
        int status = -1;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < 2; ++writer)
        for (int i = 0; i < kValuesPerWriter; ++i) {
            std::string name = "w" + std::to_string(writer) + "-" + std::to_string(i);
            EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr))
                << name;
        }
}

}  // namespace
