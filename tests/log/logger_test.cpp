// The activity log end to end: loggers open the product's event source, report the banner and
// lines into the day's log file through VKSLog.dll, and close with their last user.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "log_fixtures.h"
#include "util/tutstring.h"
#include "vkstest.h"

namespace {

// 5 March 2026, 14:07:09: the day file is VEL0305.LOG.
const SYSTEMTIME kNow = {2026, 3, 4, 5, 14, 7, 9, 0};
constexpr char kDayFile[] = "WINDOWS\\vks32\\VELMORA\\VEL0305.LOG";

std::vector<std::string> entriesOf(const std::string &text)
{
    std::vector<std::string> entries;
    std::istringstream in(text);
    std::string line, entry;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty()) {
            if (!entry.empty())
                entries.push_back(entry);
            entry.clear();
        } else {
            entry += line + "\n";
        }
    }
    if (!entry.empty())
        entries.push_back(entry);
    return entries;
}

// The clock fixed, the day's log file removed, and the logger closed and unbound around the
// test.
class LoggerTest : public logtest::UnboundTest {
protected:
    LoggerTest() { removeDayFile(); }
    ~LoggerTest() override { removeDayFile(); }

    static std::filesystem::path dayFile()
    {
        return vkstest::LibraryEnvironment::driveC().host(kDayFile);
    }
    static void removeDayFile() { std::filesystem::remove(dayFile()); }
    static std::string dayFileText()
    {
        std::ifstream in(dayFile(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    vkstest::ScopedLocalTime clock_{kNow};
};

TEST_F(LoggerTest, WritesTheBannerAndALineToTheDayFile)
{
    {
        TutLogger logger;
        ASSERT_EQ(TRUE, logger.isOpen());
        EXPECT_EQ(TRUE, logger.isValid());
        EXPECT_EQ(1u, TutLogger::m_unLogUserCount);
        logger.WriteHeaderString();
        logger.WriteString("Connected to OFFICE-PC");
    }
    EXPECT_EQ(nullptr, TutLogger::m_hFile);
    EXPECT_EQ(0u, TutLogger::m_unLogUserCount);
    EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);

    const std::string text = dayFileText();
    EXPECT_EQ(std::string::npos, text.find('\0')) << "the log is text";
    const std::vector<std::string> entries = entriesOf(text);
    ASSERT_EQ(2u, entries.size()) << text;
    EXPECT_NE(std::string::npos, entries[0].find("2026-03-05 14:07:09")) << entries[0];
    EXPECT_NE(std::string::npos, entries[0].find("Id 0x4000006F")) << entries[0];
    EXPECT_NE(std::string::npos, entries[0].find("VELMORA Log File")) << entries[0];
    EXPECT_NE(std::string::npos,
              entries[0].find("***************************************************************"))
        << entries[0];
    EXPECT_NE(std::string::npos, entries[1].find("Id 0x4000006D")) << entries[1];
    EXPECT_NE(std::string::npos, entries[1].find("  Connected to OFFICE-PC\n")) << entries[1];
}

TEST_F(LoggerTest, RegistersTheSourceWithTheLibrarysFile)
{
    TutLogger::UnregisterEventLog();
    TutLogger::UnbindLibrary();
    TutLogger logger;
    ASSERT_EQ(TRUE, logger.isOpen());
    EXPECT_EQ(TRUE, TutLogger::isEventLogRegistered());
    const std::string messageFile = logtest::sourceValue("EventMessageFile");
    EXPECT_EQ("VKSUTIL.DLL", messageFile.substr(messageFile.rfind('\\') + 1));
}

// What another process may have left of the source's key when a logger starts: an installer
// stopped half way, or one still at work.
TEST_F(LoggerTest, CompletesASourceRegisteredInPart)
{
    const struct {
        const char *name;
        std::vector<const char *> values;
    } rows[] = {
        {"the message file alone", {"EventMessageFile"}},
        {"everything but the message file", {"LogFolder", "BackupFolder", "LogPrefix"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TutLogger::UnregisterEventLog();
        TutLogger::UnbindLibrary();
        for (const char *value : row.values)
            logtest::setSourceValue(value, value == std::string("LogPrefix") ? "VEL" : "c:\\windows\\vks32\\VELMORA");
        {
            TutLogger logger;
            EXPECT_EQ(TRUE, logger.isOpen());
            logger.WriteString("after a half registration");
        }
        EXPECT_EQ("c:\\windows\\vks32\\VELMORA", logtest::sourceValue("LogFolder"));
        EXPECT_EQ("VEL", logtest::sourceValue("LogPrefix"));
        const std::string messageFile = logtest::sourceValue("EventMessageFile");
        EXPECT_EQ("VKSUTIL.DLL", messageFile.substr(messageFile.rfind('\\') + 1));
        EXPECT_NE(std::string::npos, dayFileText().find("> after a half registration"));
        removeDayFile();
    }
}

TEST_F(LoggerTest, StaysOpenUntilTheLastLoggerGoes)
{
    auto first = std::make_unique<TutLogger>();
    ASSERT_EQ(TRUE, first->isOpen());
    void *source = TutLogger::m_hFile;
    // A second logger neither registers nor opens again.
    logtest::setSourceValue("EventMessageFile", "c:\\elsewhere\\OTHER.DLL");
    auto second = std::make_unique<TutLogger>();
    EXPECT_EQ(source, TutLogger::m_hFile);
    EXPECT_EQ(2u, TutLogger::m_unLogUserCount);
    EXPECT_EQ("c:\\elsewhere\\OTHER.DLL", logtest::sourceValue("EventMessageFile"));
    EXPECT_EQ(1, TutLogger::g_nR3LReferenceCount);

    first.reset();
    EXPECT_EQ(TRUE, second->isOpen());
    EXPECT_EQ(1u, TutLogger::m_unLogUserCount);
    second.reset();
    EXPECT_EQ(nullptr, TutLogger::m_hFile);
    EXPECT_EQ(0, TutLogger::g_nR3LReferenceCount);
    TutLogger::RegisterEventLog(TRUE);
}

TEST_F(LoggerTest, TimeStringsReportTheSameEventsAsStrings)
{
    {
        TutLogger logger;
        TutString text("Transfer done");
        logger.WriteString("Sent 3 files");
        logger.WriteTimeString("Sent 3 files");
        logger.WriteString(text);
        logger.WriteTimeString(text);
    }
    const std::vector<std::string> entries = entriesOf(dayFileText());
    ASSERT_EQ(4u, entries.size());
    EXPECT_EQ(entries[0], entries[1]);
    EXPECT_EQ(entries[2], entries[3]);
    EXPECT_NE(std::string::npos, entries[2].find("Transfer done"));
}

TEST_F(LoggerTest, ANullLineIsLoggedEmpty)
{
    {
        TutLogger logger;
        logger.WriteString(static_cast<char const *>(nullptr));
    }
    EXPECT_EQ(1u, entriesOf(dayFileText()).size());
}

TEST_F(LoggerTest, ViewingGivesTheLibrarysErrorWhileOpen)
{
    TutLogger logger;
    ASSERT_EQ(TRUE, logger.isOpen());
    // This system has no event viewer.
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_SUPPORTED), logger.ViewEventLog());
}

TEST_F(LoggerTest, AClosedLogWritesNothingAndCannotBeViewed)
{
    TutLogger logger;
    logger.closeLogFile();
    ASSERT_EQ(FALSE, logger.isOpen());
    logger.WriteHeaderString();
    logger.WriteString("lost");
    EXPECT_EQ(static_cast<DWORD>(ERROR_OPEN_FAILED), logger.ViewEventLog());
    EXPECT_FALSE(std::filesystem::exists(dayFile()));
}

// Every file below `root` whose name ends in ".LOG", in any case.
std::vector<std::filesystem::path> logFilesUnder(const std::filesystem::path &root)
{
    std::vector<std::filesystem::path> found;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string name = entry.path().filename().string();
        if (name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".log") == 0)
            found.push_back(entry.path());
    }
    return found;
}

TEST(LoggerWithoutTheLibrary, StaysClosedWritesNothingAndCannotBeViewed)
{
    // The probe program's folder holds no VKSLog.dll.
    vkstest::ScopedDriveC drive;
    const std::string command =
        "VKS_DRIVE_C='" + drive.root().string() + "' '" + VKS_LOG_PROBE + "'";
    FILE *probe = popen(command.c_str(), "r");
    ASSERT_NE(nullptr, probe);
    char output[128] = {};
    const size_t read = std::fread(output, 1, sizeof output - 1, probe);
    EXPECT_EQ(0, pclose(probe));
    EXPECT_EQ("open=0 view=110 count=0\n", std::string(output, read));
    EXPECT_TRUE(logFilesUnder(drive.root()).empty());
}

}  // namespace
