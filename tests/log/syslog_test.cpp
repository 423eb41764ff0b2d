// Events reported through the logger also reach the host's system log: one syslog datagram each
// on the log socket, in English, and never at the cost of the day file.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "log_fixtures.h"
#include "vkshost.h"
#include "vkslog.h"
#include "vkslog_host.h"
#include "vkstest.h"

namespace {

const SYSTEMTIME kNow = {2026, 3, 4, 5, 14, 7, 9, 0};
constexpr char kDayFile[] = "WINDOWS\\vks32\\VELMORA\\VEL0305.LOG";
constexpr DWORD kText = 0x4000006D;
constexpr DWORD kBanner = 0x4000006F;

// A log socket of the test's own: a bound Unix datagram socket in a temporary folder.
class LogSocket {
public:
    LogSocket() : folder_(vkstest::LibraryEnvironment::driveC().host("syslog"))
    {
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "log").string();
        fd_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_.copy(address.sun_path, sizeof address.sun_path - 1);
        bound_ = fd_ >= 0 &&
                 bind(fd_, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    }
    ~LogSocket()
    {
        if (fd_ >= 0)
            close(fd_);
        std::filesystem::remove_all(folder_);
    }
    LogSocket(const LogSocket &) = delete;
    LogSocket &operator=(const LogSocket &) = delete;

    bool bound() const { return bound_; }
    const std::string &path() const { return path_; }

    // Every datagram waiting, oldest first; sending is synchronous, so nothing is on its way.
    std::vector<std::string> received() const
    {
        std::vector<std::string> datagrams;
        std::vector<char> buffer(4 << 20);
        for (;;) {
            ssize_t got = recv(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT);
            if (got < 0)
                return datagrams;
            datagrams.emplace_back(buffer.data(), static_cast<size_t>(got));
        }
    }

private:
    std::filesystem::path folder_;
    std::string path_;
    int fd_ = -1;
    bool bound_ = false;
};

// Sets VKS_SYSLOG for the test (null: unset) and puts the old value back.
class ScopedSyslogVariable {
public:
    explicit ScopedSyslogVariable(const char *value)
    {
        if (const char *old = std::getenv("VKS_SYSLOG"))
            previous_ = old;
        if (value)
            setenv("VKS_SYSLOG", value, 1);
        else
            unsetenv("VKS_SYSLOG");
    }
    ~ScopedSyslogVariable()
    {
        if (previous_)
            setenv("VKS_SYSLOG", previous_->c_str(), 1);
        else
            unsetenv("VKS_SYSLOG");
    }
    ScopedSyslogVariable(const ScopedSyslogVariable &) = delete;
    ScopedSyslogVariable &operator=(const ScopedSyslogVariable &) = delete;

private:
    std::optional<std::string> previous_;
};

class SyslogTest : public logtest::UnboundTest {
protected:
    SyslogTest() { std::filesystem::remove(dayFile()); }
    ~SyslogTest() override { std::filesystem::remove(dayFile()); }

    static std::filesystem::path dayFile()
    {
        return vkstest::LibraryEnvironment::driveC().host(kDayFile);
    }
    static size_t dayFileEntries()
    {
        std::error_code error;
        std::string text;
        if (auto size = std::filesystem::file_size(dayFile(), error); !error) {
            text.resize(size);
            FILE *file = std::fopen(dayFile().c_str(), "rb");
            text.resize(std::fread(text.data(), 1, size, file));
            std::fclose(file);
        }
        size_t count = 0;
        for (size_t at = 0; (at = text.find(" | Source VELMORA", at)) != std::string::npos; ++at)
            ++count;
        return count;
    }

    // Reports one line of each of three types through one logger.
    static void reportThreeTypes()
    {
        TutLogger logger;
        ASSERT_EQ(TRUE, logger.isOpen());
        const char *strings[] = {"disk full"};
        logger.Write(EVENTLOG_ERROR_TYPE, 3, kText, strings, 1);
        strings[0] = "line busy";
        logger.Write(EVENTLOG_WARNING_TYPE, 0, kText, strings, 1);
        strings[0] = "Connected to OFFICE-PC";
        logger.Write(EVENTLOG_INFORMATION_TYPE, 0, kText, strings, 1);
    }

    vkstest::ScopedLocalTime clock_{kNow};
};

}  // namespace

TEST_F(SyslogTest, EachEventIsOneMessageWithItsPriorityTagAndProcess)
{
    LogSocket socket;
    ASSERT_TRUE(socket.bound());
    ScopedSyslogVariable target(socket.path().c_str());
    reportThreeTypes();

    const std::string pid = std::to_string(getpid());
    const std::vector<std::string> expected = {
        "<11>Mar  5 14:07:09 VELMORA[" + pid + "]: Event 109, category 3: disk full",
        "<12>Mar  5 14:07:09 VELMORA[" + pid + "]: Event 109, category 0: line busy",
        "<14>Mar  5 14:07:09 VELMORA[" + pid + "]: Event 109, category 0: Connected to OFFICE-PC",
    };
    EXPECT_EQ(expected, socket.received());
    EXPECT_EQ(3u, dayFileEntries());
}

TEST_F(SyslogTest, TheSystemLogReadsEnglishWhateverTheUsersLanguage)
{
    LogSocket socket;
    ASSERT_TRUE(socket.bound());
    ScopedSyslogVariable target(socket.path().c_str());
    const WORD german = MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT);
    VksHostSetUserLanguage(&german);
    {
        TutLogger logger;
        logger.WriteHeaderString();
    }
    VksHostSetUserLanguage(nullptr);

    std::vector<std::string> datagrams = socket.received();
    ASSERT_EQ(1u, datagrams.size());
    EXPECT_NE(std::string::npos, datagrams[0].find("VELMORA Log File#012")) << datagrams[0];
    EXPECT_EQ(std::string::npos, datagrams[0].find("#015")) << "a line ends in one break";
    EXPECT_EQ('*', datagrams[0].back()) << "no final line break";
}

// A text cannot make one event read as two lines, the second another program's message with a
// priority of its own, nor reach a terminal as an escape.
TEST_F(SyslogTest, ControlCharactersAreWrittenAsOctalEscapesOnOneLine)
{
    LogSocket socket;
    ASSERT_TRUE(socket.bound());
    ScopedSyslogVariable target(socket.path().c_str());
    {
        TutLogger logger;
        logger.WriteString("x\n<9>Dec  1 00:00:00 sshd[1]: Accepted\r\n\x1b[2J\tdone\x7f\r\n");
    }
    const std::string pid = std::to_string(getpid());
    const std::vector<std::string> expected = {
        "<14>Mar  5 14:07:09 VELMORA[" + pid + "]: Event 109, category 0: "
        "x#012<9>Dec  1 00:00:00 sshd[1]: Accepted#012#033[2J#011done#177",
    };
    EXPECT_EQ(expected, socket.received());
}

// A text longer than the socket takes is cut to what it takes, rather than lost.
TEST_F(SyslogTest, ATextLongerThanTheSocketTakesArrivesCut)
{
    LogSocket socket;
    ASSERT_TRUE(socket.bound());
    ScopedSyslogVariable target(socket.path().c_str());
    const int probe = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    int sendBuffer = 0;
    socklen_t size = sizeof sendBuffer;
    ASSERT_EQ(0, getsockopt(probe, SOL_SOCKET, SO_SNDBUF, &sendBuffer, &size));
    close(probe);
    const std::string text(2 * static_cast<size_t>(sendBuffer), 'x');
    {
        TutLogger logger;
        logger.WriteString(text.c_str());
    }
    const std::vector<std::string> datagrams = socket.received();
    ASSERT_EQ(1u, datagrams.size());
    const std::string head =
        "<14>Mar  5 14:07:09 VELMORA[" + std::to_string(getpid()) + "]: Event 109, category 0: ";
    EXPECT_EQ(head, datagrams[0].substr(0, head.size()));
    EXPECT_LE(datagrams[0].size(), static_cast<size_t>(sendBuffer));
    EXPECT_EQ(std::string(64, 'x'), datagrams[0].substr(datagrams[0].size() - 64))
        << "cut inside the text";
}

TEST_F(SyslogTest, AMissingSocketOrOffLosesNothingFromTheDayFile)
{
    for (const char *value : {"off", "/nonexistent/log/socket"}) {
        SCOPED_TRACE(value);
        std::filesystem::remove(dayFile());
        ScopedSyslogVariable target(value);
        reportThreeTypes();
        EXPECT_EQ(3u, dayFileEntries());
    }
}

TEST_F(SyslogTest, OffSendsNothingAndTheHostCallOverridesTheEnvironment)
{
    LogSocket socket;
    ASSERT_TRUE(socket.bound());
    ScopedSyslogVariable target("off");
    reportThreeTypes();
    EXPECT_TRUE(socket.received().empty());

    // The call reaches the library the logger binds: one module, loaded by path.
    HMODULE module = LoadLibraryExA((logtest::programFolder() + "\\VKSLog.dll").c_str(), nullptr,
                                    LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(nullptr, module);
    auto setSyslog =
        reinterpret_cast<decltype(&VksLogSetSyslog)>(
        reinterpret_cast<void *>(GetProcAddress(module, "VksLogSetSyslog")));
    ASSERT_NE(nullptr, setSyslog);
    setSyslog(socket.path().c_str());
    reportThreeTypes();
    EXPECT_EQ(3u, socket.received().size());
    setSyslog("off");
    reportThreeTypes();
    EXPECT_TRUE(socket.received().empty());
    setSyslog(nullptr);
    FreeLibrary(module);
}
