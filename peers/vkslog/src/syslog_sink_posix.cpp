#include "syslog_sink.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "vkslog.h"
#include "vkstext.h"

namespace vkslog {

namespace {

constexpr int kFacilityUser = 1 << 3;
constexpr char kDefaultSocket[] = "/dev/log";

struct Target {
    std::mutex lock;
    std::optional<std::string> fixed;  // set by the host; otherwise the environment decides
};

Target &target()
{
    static Target instance;
    return instance;
}

// The socket path in force, or empty for none.
std::string socketPath()
{
    Target &t = target();
    std::string chosen;
    {
        std::lock_guard<std::mutex> guard(t.lock);
        if (t.fixed)
            chosen = *t.fixed;
    }
    if (chosen.empty()) {
        const char *variable = std::getenv("VKS_SYSLOG");
        chosen = variable && *variable ? variable : kDefaultSocket;
    }
    return chosen == "off" ? std::string() : chosen;
}

std::string utf8Of(const std::string &ansi)
{
    int size = VksAnsiToUtf8(ansi.c_str(), nullptr, 0);
    if (size <= 0)
        return ansi;
    std::string utf8(static_cast<size_t>(size), '\0');
    VksAnsiToUtf8(ansi.c_str(), utf8.data(), size);
    utf8.resize(static_cast<size_t>(size) - 1);
    return utf8;
}

// One message a line: the text's CR LF become LF, and a final break goes.
std::string withPlainBreaks(std::string text)
{
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.erase(at, 1);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

void sendDatagram(const std::string &path, const std::string &datagram)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A full socket drops the message rather than hold up the program that logs.
    ssize_t sent;
    do
        sent = sendto(fd, datagram.data(), datagram.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                      reinterpret_cast<const sockaddr *>(&address), sizeof address);
    while (sent < 0 && errno == EINTR);
    close(fd);
}

}  // namespace

int syslogPriority(WORD eventType)
{
    enum { err = 3, warning = 4, notice = 5, info = 6 };
    switch (eventType) {
    case EVENTLOG_ERROR_TYPE: return kFacilityUser | err;
    case EVENTLOG_WARNING_TYPE: return kFacilityUser | warning;
    case EVENTLOG_AUDIT_SUCCESS: return kFacilityUser | notice;
    case EVENTLOG_AUDIT_FAILURE: return kFacilityUser | warning;
    default: return kFacilityUser | info;
    }
}

std::string syslogDatagram(const LogEntry &entry, const std::string &englishText, long processId)
{
    static const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const SYSTEMTIME &t = entry.time;
    const char *month = t.wMonth >= 1 && t.wMonth <= 12 ? kMonths[t.wMonth - 1] : "Jan";
    char head[96];
    std::snprintf(head, sizeof head, "<%d>%s %2u %02u:%02u:%02u ", syslogPriority(entry.type),
                  month, unsigned(t.wDay), unsigned(t.wHour), unsigned(t.wMinute),
                  unsigned(t.wSecond));
    char event[64];
    std::snprintf(event, sizeof event, "[%ld]: Event %lu, category %u: ", processId,
                  static_cast<unsigned long>(entry.eventId & 0xFFFF), unsigned(entry.category));
    return head + utf8Of(entry.source) + event + utf8Of(withPlainBreaks(englishText));
}

bool isSyslogOn()
{
    return !socketPath().empty();
}

void sendToSyslog(const LogEntry &entry, const std::string &englishText)
{
    std::string path = socketPath();
    if (!path.empty())
        sendDatagram(path, syslogDatagram(entry, englishText, static_cast<long>(getpid())));
}

void setSyslogTarget(const char *socketPathOrOff)
{
    Target &t = target();
    std::lock_guard<std::mutex> guard(t.lock);
    t.fixed = socketPathOrOff ? std::optional<std::string>(socketPathOrOff) : std::nullopt;
}

}  // namespace vkslog
