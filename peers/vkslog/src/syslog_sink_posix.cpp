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

// The text's CR LF become LF, and a final break goes.
std::string withPlainBreaks(std::string text)
{
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.erase(at, 1);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

void appendOctalEscape(std::string &out, unsigned char code)
{
    out += '#';
    out += static_cast<char>('0' + (code >> 6));
    out += static_cast<char>('0' + ((code >> 3) & 7));
    out += static_cast<char>('0' + (code & 7));
}

// One event, one line: control characters are written as rsyslog writes them, '#' and three
// octal digits (LF #012, ESC #033; a C1 control by its code, U+0085 #205), so a text can neither
// start a line that reads as another program's message nor reach a terminal as an escape.
std::string withControlsEscaped(const std::string &utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            appendOctalEscape(out, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            appendOctalEscape(out, next);
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// The longest start of `datagram`, at most `limit` bytes, that cuts neither a UTF-8 character
// nor an escape, and keeps at least `keep` bytes.
size_t wholePrefix(const std::string &datagram, size_t limit, size_t keep)
{
    if (limit >= datagram.size())
        return datagram.size();
    size_t cut = limit;
    while (cut > keep && (static_cast<unsigned char>(datagram[cut]) & 0xC0) == 0x80)
        --cut;
    for (size_t back = 1; back <= 3 && back <= cut - keep; ++back) {
        const size_t start = cut - back;
        if (datagram[start] != '#')
            continue;
        bool digits = true;
        for (size_t at = start + 1; at < cut; ++at)
            digits = digits && isOctalDigit(datagram[at]);
        if (digits)
            cut = start;
        break;
    }
    return cut < keep ? keep : cut;
}

// Sends the datagram whole, or the longest start of it the socket takes: a text of any length
// still reaches the log rather than fail with EMSGSIZE. A full socket drops the message rather
// than hold up the program that logs.
void sendDatagram(const std::string &path, const std::string &datagram, size_t head)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    int buffer = 0;
    socklen_t bufferSize = sizeof buffer;
    size_t length = datagram.size();
    if (getsockopt(fd, SOL_SOCKET, SO_SNDBUF, &buffer, &bufferSize) == 0 && buffer > 0)
        length = wholePrefix(datagram, static_cast<size_t>(buffer), head);
    // The kernel keeps part of the buffer for itself: cut a sixteenth more until it fits.
    for (int attempt = 0; attempt < 32; ++attempt) {
        ssize_t sent;
        do
            sent = sendto(fd, datagram.data(), length, MSG_DONTWAIT | MSG_NOSIGNAL,
                          reinterpret_cast<const sockaddr *>(&address), sizeof address);
        while (sent < 0 && errno == EINTR);
        if (sent >= 0 || errno != EMSGSIZE || length <= head)
            break;
        length = wholePrefix(datagram, length - length / 16 - 1, head);
    }
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

std::string syslogHead(const LogEntry &entry, long processId)
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
    return head + withControlsEscaped(utf8Of(entry.source)) + event;
}

std::string syslogText(const std::string &englishText)
{
    return withControlsEscaped(utf8Of(withPlainBreaks(englishText)));
}

bool isSyslogOn()
{
    return !socketPath().empty();
}

void sendToSyslog(const LogEntry &entry, const std::string &englishText)
{
    std::string path = socketPath();
    if (path.empty())
        return;
    const std::string head = syslogHead(entry, static_cast<long>(getpid()));
    sendDatagram(path, head + syslogText(englishText), head.size());
}

void setSyslogTarget(const char *socketPathOrOff)
{
    Target &t = target();
    std::lock_guard<std::mutex> guard(t.lock);
    t.fixed = socketPathOrOff ? std::optional<std::string>(socketPathOrOff) : std::nullopt;
}

}  // namespace vkslog
