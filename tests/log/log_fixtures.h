// Fixtures of the logger suites: the event-log library unbound and the log closed around each
// test, and the folders and registry key the logger works with.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "library_env.h"
#include "log/logger.h"
#include "windows.h"

namespace logtest {

constexpr char kSourceKey[] =
    "System\\CurrentControlSet\\Services\\EventLog\\Application\\VELMORA";

// The 22 exported entry pointers, in the order of the table.
inline std::vector<void *> entryPointers()
{
    return {
        reinterpret_cast<void *>(TutLogger::g_pfnGetWin95EventLogConfig),
        reinterpret_cast<void *>(TutLogger::g_pfnGetWin95LogFilename),
        reinterpret_cast<void *>(TutLogger::g_pfnSetWin95EventLogConfig),
        reinterpret_cast<void *>(TutLogger::g_pfnDeleteAllWin95LogFiles),
        reinterpret_cast<void *>(TutLogger::g_pfnInstallEventSourceConfig),
        reinterpret_cast<void *>(TutLogger::g_pfnUninstallEventSourceConfig),
        reinterpret_cast<void *>(TutLogger::g_pfnBindRing0EventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnUnbindRing0EventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnClearEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnDeregisterEventSource),
        reinterpret_cast<void *>(TutLogger::g_pfnRegisterEventSource),
        reinterpret_cast<void *>(TutLogger::g_pfnReportEvent),
        reinterpret_cast<void *>(TutLogger::g_pfnViewEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnGetLastError),
        reinterpret_cast<void *>(TutLogger::g_pfnCloseEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnGetNumberOfEventLogRecords),
        reinterpret_cast<void *>(TutLogger::g_pfnGetOldestEventLogRecord),
        reinterpret_cast<void *>(TutLogger::g_pfnOpenEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnReadEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnBackupEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnNotifyChangeEventLog),
        reinterpret_cast<void *>(TutLogger::g_pfnOpenBackupEventLog),
    };
}

inline size_t nullEntries()
{
    size_t count = 0;
    for (void *pointer : entryPointers())
        count += pointer == nullptr ? 1 : 0;
    return count;
}

// The test executable's folder as a DOS path, without its final backslash: VKSLog.dll is there.
inline std::string programFolder()
{
    const std::string &program = vkstest::LibraryEnvironment::executableDosPath();
    return program.substr(0, program.rfind('\\'));
}

// A host folder as a DOS path on drive Z.
inline std::string dosPathOfHostFolder(const std::string &host)
{
    std::string dos = "Z:" + host;
    for (char &c : dos)
        if (c == '/')
            c = '\\';
    return dos;
}

// A registry value of the product's event source as text ("" when absent).
inline std::string sourceValue(const char *name)
{
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, kSourceKey, &key) != ERROR_SUCCESS)
        return "";
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &type,
                                   reinterpret_cast<BYTE *>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return "";
    if (type == REG_DWORD)
        return std::to_string(*reinterpret_cast<DWORD *>(data));
    return data;
}

inline void setSourceValue(const char *name, const std::string &text)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, kSourceKey, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, REG_EXPAND_SZ,
                                            reinterpret_cast<const BYTE *>(text.c_str()),
                                            static_cast<DWORD>(text.size() + 1)));
    RegCloseKey(key);
}

// Leaves the event-log library unbound and the log closed before and after the test: the
// binding and the log are process-wide.
class UnboundTest : public ::testing::Test {
protected:
    UnboundTest() { release(); }
    ~UnboundTest() override { release(); }

    static void release()
    {
        if (TutLogger::m_hFile)
            TutLogger().closeLogFile();
        TutLogger::m_unLogUserCount = 0;
        while (TutLogger::g_nR3LReferenceCount > 0)
            TutLogger::UnbindLibrary();
    }
};

}  // namespace logtest
