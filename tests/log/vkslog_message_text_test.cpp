// The event-log library stand-in formats an event's message from the source's message file as a
// viewer on Windows does: through FormatMessageA with the event's strings as the inserts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "library_env.h"
#include "vkslog_fixture.h"
#include "vkshost.h"
#include "vkslog.h"
#include "vkstest.h"
#include "windows.h"

namespace {

constexpr char kSource[] = "MessageTextSource";
constexpr char kLogFolder[] = "C:\\WINDOWS\\vks32\\MESSAGES";
constexpr char kDayFile[] = "WINDOWS\\vks32\\MESSAGES\\MSG1209.LOG";
constexpr DWORD kCopyFinished = 0x40001000;
constexpr DWORD kStarredLast = 0x40001001;

// VKSLog.dll loaded by path, with a source whose message file is the test message module.
class VkslogMessageText : public LoadedVkslog {
protected:
    ~VkslogMessageText() override { VKSUninstallEventSourceConfig(nullptr, kSource); }

    // The message text the library keeps for one reported event.
    std::string reportAndRead(DWORD id, std::vector<const char *> strings)
    {
        EXPECT_TRUE(installSource(kSource, VKS_LOG_MESSAGES, kLogFolder, "MSG"));
        void *source = VKSRegisterEventSource(nullptr, kSource);
        EXPECT_NE(nullptr, source);
        EXPECT_TRUE(VKSReportEvent(source, EVENTLOG_INFORMATION_TYPE, 0, id, nullptr,
                                   static_cast<WORD>(strings.size()), 0, strings.data(), nullptr));
        VKSDeregisterEventSource(source);

        void *log = VKSOpenEventLog(nullptr, kSource);
        EXPECT_NE(nullptr, log);
        std::vector<char> buffer(0x10000);
        DWORD got = 0, needed = 0;
        std::string message = "(not read)";
        if (VKSReadEventLog(log, EVENTLOG_SEQUENTIAL_READ | EVENTLOG_FORWARDS_READ, 0, buffer.data(),
                            static_cast<DWORD>(buffer.size()), &got, &needed) && got) {
            const auto *record = reinterpret_cast<const VKSEVENTLOGRECORD *>(buffer.data());
            message = buffer.data() + record->MessageOffset;
        }
        VKSCloseEventLog(log);
        return message;
    }

    VKS_ENTRY(VKSUninstallEventSourceConfig);
    VKS_ENTRY(VKSRegisterEventSource);
    VKS_ENTRY(VKSDeregisterEventSource);
    VKS_ENTRY(VKSReportEvent);
    VKS_ENTRY(VKSOpenEventLog);
    VKS_ENTRY(VKSCloseEventLog);
    VKS_ENTRY(VKSReadEventLog);
};

// %n is a line break, %t a tab, and the lone LF of the text a line break too, as on Windows.
TEST_F(VkslogMessageText, LineBreaksAndTabsOfTheMessageTable)
{
    EXPECT_EQ("Copy of a.txt\r\nfrom\tPC1\tto PC2\r\nfinished.",
              reportAndRead(kCopyFinished, {"a.txt", "PC1", "PC2"}));
    EXPECT_NE(std::string::npos, drive_.read(kDayFile).find("  Copy of a.txt\r\n"
                                                            "  from\tPC1\tto PC2\r\n"
                                                            "  finished.\r\n"))
        << drive_.read(kDayFile);
}

// A starred insert at the last number reads entries past the 99 inserts the library passes; they
// must be there to be read.
TEST_F(VkslogMessageText, StarredInsertsStayWithinTheArguments)
{
    EXPECT_EQ(0u, reportAndRead(kStarredLast, {}).rfind("Last ", 0));
}

}  // namespace
