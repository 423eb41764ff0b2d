// The event-log library stand-in, loaded by path as the library loads it: registration in the
// registry, readable day files, reading, backup and clearing, two processes logging at once,
// and the entries it cannot serve.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "library_env.h"
#include "vkslog_fixture.h"
#include "vkshost.h"
#include "vkslog.h"
#include "windows.h"

namespace {

constexpr char kSource[] = "TestSource";
constexpr char kSourceKey[] = "System\\CurrentControlSet\\Services\\EventLog\\Application\\TestSource";
constexpr char kLogFolder[] = "C:\\WINDOWS\\vks32\\VELMORA";
constexpr char kDayFile[] = "WINDOWS\\vks32\\VELMORA\\VEL1209.LOG";
constexpr DWORD kText = 0x4000006D;
constexpr DWORD kBanner = 0x4000006F;

// VKSLog.dll loaded by path, with its entries bound by name.
class VkslogTest : public LoadedVkslog {
protected:
    void install()
    {
        ASSERT_TRUE(installSource(kSource, applicationFolder() + "\\VKSUTIL.DLL", kLogFolder, "VEL"));
    }

    void report(void *source, DWORD id, std::vector<const char *> strings, WORD type = EVENTLOG_INFORMATION_TYPE)
    {
        ASSERT_TRUE(VKSReportEvent(source, type, 0, id, nullptr, static_cast<WORD>(strings.size()), 0,
                                   strings.data(), nullptr));
    }

    VKS_ENTRY(VKSInstallEventSourceConfig);
    VKS_ENTRY(VKSUninstallEventSourceConfig);
    VKS_ENTRY(VKSRegisterEventSource);
    VKS_ENTRY(VKSDeregisterEventSource);
    VKS_ENTRY(VKSReportEvent);
    VKS_ENTRY(VKSGetLastError);
    VKS_ENTRY(VKSViewEventLog);
    VKS_ENTRY(VKSOpenEventLog);
    VKS_ENTRY(VKSCloseEventLog);
    VKS_ENTRY(VKSReadEventLog);
    VKS_ENTRY(VKSGetNumberOfEventLogRecords);
    VKS_ENTRY(VKSGetOldestEventLogRecord);
    VKS_ENTRY(VKSBackupEventLog);
    VKS_ENTRY(VKSOpenBackupEventLog);
    VKS_ENTRY(VKSClearEventLog);
    VKS_ENTRY(VKSBindRing0EventLog);
    VKS_ENTRY(VKSUnbindRing0EventLog);
    VKS_ENTRY(VKSNotifyChangeEventLog);
    VKS_ENTRY(VKSGetWin95LogFilename);
};

std::string registryText(const char *name, DWORD &type)
{
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kSourceKey, &key) != ERROR_SUCCESS)
        return "(no key)";
    char text[300] = "";
    DWORD size = sizeof text;
    LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? text : "(no value)";
}

TEST_F(VkslogTest, InstallWritesTheSourceKeyAndUninstallRemovesIt)
{
    ASSERT_NE(nullptr, module_);
    install();
    DWORD type = 0;
    EXPECT_EQ(applicationFolder() + "\\VKSUTIL.DLL", registryText("EventMessageFile", type));
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), type);
    EXPECT_EQ(kLogFolder, registryText("LogFolder", type));
    EXPECT_EQ("VEL", registryText("LogPrefix", type));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, kSourceKey, &key));
    DWORD types = 0, size = sizeof types;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "TypesSupported", nullptr, &type,
                                              reinterpret_cast<BYTE *>(&types), &size));
    EXPECT_EQ(7u, types);
    RegCloseKey(key);

    EXPECT_TRUE(VKSUninstallEventSourceConfig(nullptr, kSource));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyA(HKEY_LOCAL_MACHINE, kSourceKey, &key));
    EXPECT_FALSE(VKSUninstallEventSourceConfig(nullptr, kSource));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), VKSGetLastError(nullptr));
    EXPECT_EQ(nullptr, VKSRegisterEventSource(nullptr, kSource)) << "an uninstalled source has no log";
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), VKSGetLastError(nullptr));
}

// The message file is written last: a key without it is still being installed.
TEST_F(VkslogTest, ASourceKeyLackingAValueItNeedsIsNotInstalled)
{
    for (const char *missing : {"EventMessageFile", "LogFolder", "LogPrefix"}) {
        SCOPED_TRACE(missing);
        install();
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, kSourceKey, &key));
        ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueA(key, missing));
        RegCloseKey(key);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, VKSRegisterEventSource(nullptr, kSource));
        EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), VKSGetLastError(nullptr));
        install();
        void *source = VKSRegisterEventSource(nullptr, kSource);
        EXPECT_NE(nullptr, source) << "installing again completes the key";
        VKSDeregisterEventSource(source);
    }
}

TEST_F(VkslogTest, ReportAppendsReadableEntriesInTheUsersLanguage)
{
    install();
    void *source = VKSRegisterEventSource(nullptr, kSource);
    ASSERT_NE(nullptr, source);
    report(source, kBanner, {"Velmora"});
    report(source, kText, {"line with\\ and\r\nbreak"}, EVENTLOG_WARNING_TYPE);
    report(source, 0x40000999, {"a", "b"}, EVENTLOG_ERROR_TYPE);
    {
        WORD german = MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT);
        VksHostSetUserLanguage(&german);
        report(source, 0x40000069, {});
    }
    char path[MAX_PATH];
    EXPECT_TRUE(VKSGetWin95LogFilename(source, path, sizeof path));
    EXPECT_STREQ("C:\\WINDOWS\\vks32\\VELMORA\\VEL1209.LOG", path);
    EXPECT_TRUE(VKSDeregisterEventSource(source));

    const std::string stars(63, '*');
    EXPECT_EQ("2026-12-09 14:05:06 | Information | Event 111 | Category 0 | Id 0x4000006F | Strings 1 | Data 0 | Source TestSource\r\n"
              "> Velmora\r\n"
              "  " + stars + "\r\n"
              "  \t\t\t\t\t\tVelmora Log File\r\n"
              "  \t\t\t\t\t\t" + stars + "\r\n"
              "\r\n"
              "2026-12-09 14:05:06 | Warning | Event 109 | Category 0 | Id 0x4000006D | Strings 1 | Data 0 | Source TestSource\r\n"
              "> line with\\\\ and\\r\\nbreak\r\n"
              "  line with\\ and\r\n"
              "  break\r\n"
              "\r\n"
              "2026-12-09 14:05:06 | Error | Event 2457 | Category 0 | Id 0x40000999 | Strings 2 | Data 0 | Source TestSource\r\n"
              "> a\r\n"
              "> b\r\n"
              "  The description for event 2457 from source TestSource cannot be found. The event's strings: a; b\r\n"
              "\r\n"
              "2026-12-09 14:05:06 | Information | Event 105 | Category 0 | Id 0x40000069 | Strings 0 | Data 0 | Source TestSource\r\n"
              "  Der Dienst wurde gestartet.\r\n"
              "\r\n",
              drive_.read(kDayFile));
}

TEST_F(VkslogTest, ReadsCountsBacksUpAndClearsTheLog)
{
    install();
    void *source = VKSRegisterEventSource(nullptr, kSource);
    ASSERT_NE(nullptr, source);
    report(source, kText, {"first"});
    report(source, kText, {"second"});
    report(source, kText, {"third"});
    VKSDeregisterEventSource(source);

    void *log = VKSOpenEventLog(nullptr, kSource);
    ASSERT_NE(nullptr, log);
    DWORD count = 0, oldest = 0;
    EXPECT_TRUE(VKSGetNumberOfEventLogRecords(log, &count));
    EXPECT_EQ(3u, count);
    EXPECT_TRUE(VKSGetOldestEventLogRecord(log, &oldest));
    EXPECT_EQ(1u, oldest);

    auto read = [&](DWORD flags, DWORD offset, DWORD room, std::vector<std::string> &messages) {
        std::vector<char> buffer(room + 1);
        DWORD got = 0, needed = 0;
        messages.clear();
        if (!VKSReadEventLog(log, flags, offset, buffer.data(), room, &got, &needed))
            return VKSGetLastError(log) == ERROR_INSUFFICIENT_BUFFER ? needed : 0;
        for (DWORD at = 0; at < got;) {
            const auto *record = reinterpret_cast<const VKSEVENTLOGRECORD *>(buffer.data() + at);
            EXPECT_EQ(static_cast<DWORD>(VKS_EVENTLOG_SIGNATURE), record->Reserved);
            EXPECT_EQ(kText, record->EventID);
            EXPECT_STREQ(kSource, buffer.data() + at + record->SourceNameOffset);
            messages.push_back(std::to_string(record->RecordNumber) + ":" +
                               (buffer.data() + at + record->StringOffset));
            at += record->Length;
        }
        return got;
    };
    std::vector<std::string> messages;
    const struct {
        const char *name;
        DWORD flags;
        DWORD offset;
        DWORD room;
        std::vector<std::string> expected;
        DWORD error;  // when nothing is read
    } rows[] = {
        {"sequential forwards, all", EVENTLOG_SEQUENTIAL_READ | EVENTLOG_FORWARDS_READ, 0, 4096,
         {"1:first", "2:second", "3:third"}, 0},
        {"then the end", EVENTLOG_SEQUENTIAL_READ | EVENTLOG_FORWARDS_READ, 0, 4096, {}, ERROR_HANDLE_EOF},
        {"seek backwards from 2", EVENTLOG_SEEK_READ | EVENTLOG_BACKWARDS_READ, 2, 4096, {"2:second", "1:first"}, 0},
        {"seek to no record", EVENTLOG_SEEK_READ | EVENTLOG_FORWARDS_READ, 4, 4096, {}, ERROR_INVALID_PARAMETER},
        {"both directions", EVENTLOG_SEQUENTIAL_READ | EVENTLOG_FORWARDS_READ | EVENTLOG_BACKWARDS_READ, 0, 4096, {},
         ERROR_INVALID_PARAMETER},
        {"room for no record", EVENTLOG_SEEK_READ | EVENTLOG_FORWARDS_READ, 1, 16, {}, ERROR_INSUFFICIENT_BUFFER},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DWORD got = read(row.flags, row.offset, row.room, messages);
        EXPECT_EQ(row.expected, messages);
        if (row.expected.empty()) {
            EXPECT_EQ(row.error, VKSGetLastError(log));
        }
        if (row.error == ERROR_INSUFFICIENT_BUFFER) {
            EXPECT_GT(got, 16u) << "the size needed";
        }
    }

    EXPECT_TRUE(VKSBackupEventLog(log, "saved.evt"));
    EXPECT_FALSE(VKSBackupEventLog(log, "saved.evt"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), VKSGetLastError(log));
    EXPECT_TRUE(VKSClearEventLog(log, nullptr));
    EXPECT_TRUE(VKSGetNumberOfEventLogRecords(log, &count));
    EXPECT_EQ(0u, count);
    EXPECT_EQ("", drive_.read(kDayFile));
    EXPECT_TRUE(VKSCloseEventLog(log));

    void *backup = VKSOpenBackupEventLog(nullptr, "C:\\WINDOWS\\vks32\\VELMORA\\saved.evt");
    ASSERT_NE(nullptr, backup);
    EXPECT_TRUE(VKSGetNumberOfEventLogRecords(backup, &count));
    EXPECT_EQ(3u, count);
    EXPECT_FALSE(VKSClearEventLog(backup, nullptr)) << "a backup is read only";
    EXPECT_TRUE(VKSCloseEventLog(backup));
}

TEST_F(VkslogTest, TwoProcessesLoggingAtOnceLeaveWholeEntries)
{
    install();
    constexpr int kEventsPerWriter = 150;
    int gate[2];
    ASSERT_EQ(0, pipe(gate));
    pid_t writers[2];
    for (int writer = 0; writer < 2; ++writer) {
        writers[writer] = fork();
        if (writers[writer] == 0) {
            close(gate[1]);
            char go;
            bool ok = read(gate[0], &go, 1) == 0;  // both start when the pipe closes
            void *source = VKSRegisterEventSource(nullptr, kSource);
            for (int i = 0; ok && i < kEventsPerWriter; ++i) {
                std::string text = "writer " + std::to_string(writer) + " event " + std::to_string(i) +
                                   std::string(200, static_cast<char>('a' + writer));
                const char *strings[] = {text.c_str()};
                ok = VKSReportEvent(source, EVENTLOG_INFORMATION_TYPE, 0, kText, nullptr, 1, 0, strings, nullptr);
            }
            ok = ok && VKSDeregisterEventSource(source);
            _exit(ok ? 0 : 1);
        }
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t pid : writers) {
        int status = -1;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const std::string text = drive_.read(kDayFile);
    std::set<std::string> seen;
    size_t entries = 0;
    for (size_t start = 0, end; (end = text.find("\r\n\r\n", start)) != std::string::npos; start = end + 4) {
        std::string entry = text.substr(start, end - start);
        ++entries;
        size_t header = entry.find("\r\n> ");
        size_t message = entry.find("\r\n  ", header + 4);
        ASSERT_EQ(0u, entry.rfind("2026-12-09 14:05:06 | Information | Event 109", 0)) << entry;
        ASSERT_NE(std::string::npos, message) << entry;
        EXPECT_EQ(entry.substr(header + 4, message - header - 4), entry.substr(message + 4)) << entry;
        seen.insert(entry.substr(message + 4));
    }
    EXPECT_EQ(2u * kEventsPerWriter, entries);
    EXPECT_EQ(2u * kEventsPerWriter, seen.size());
}

TEST_F(VkslogTest, EntriesWithoutMeaningHereAndBadHandlesFail)
{
    install();
    void *source = VKSRegisterEventSource(nullptr, kSource);
    ASSERT_NE(nullptr, source);
    int marker = 0;
    void *notAHandle = &marker;
    const struct {
        const char *name;
        std::function<bool()> call;
        DWORD error;
    } rows[] = {
        {"viewer", [&] { return VKSViewEventLog(source) != 0; }, ERROR_NOT_SUPPORTED},
        {"ring 0 bind", [&] { return VKSBindRing0EventLog(source, nullptr) != 0; }, ERROR_NOT_SUPPORTED},
        {"ring 0 unbind", [&] { return VKSUnbindRing0EventLog(source) != 0; }, ERROR_NOT_SUPPORTED},
        {"change notification", [&] { return VKSNotifyChangeEventLog(source, nullptr) != 0; }, ERROR_NOT_SUPPORTED},
        {"another computer", [&] { return VKSRegisterEventSource("\\\\other", kSource) != nullptr; },
         ERROR_NOT_SUPPORTED},
        {"report through no handle",
         [&] { return VKSReportEvent(notAHandle, 4, 0, kText, nullptr, 0, 0, nullptr, nullptr) != 0; },
         ERROR_INVALID_HANDLE},
        {"strings missing", [&] { return VKSReportEvent(source, 4, 0, kText, nullptr, 1, 0, nullptr, nullptr) != 0; },
         ERROR_INVALID_PARAMETER},
        {"a source is no log", [&] { return VKSCloseEventLog(source) != 0; }, ERROR_INVALID_HANDLE},
        {"view through no handle", [&] { return VKSViewEventLog(notAHandle) != 0; }, ERROR_INVALID_HANDLE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(row.call());
        EXPECT_EQ(row.error, VKSGetLastError(source));
        EXPECT_EQ(row.error, GetLastError());
    }
    EXPECT_TRUE(VKSDeregisterEventSource(source));
    EXPECT_FALSE(VKSDeregisterEventSource(source));
}

}  // namespace
