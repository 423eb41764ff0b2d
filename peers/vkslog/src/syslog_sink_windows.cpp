// Windows keeps its own event log and has no syslog socket: events go to the day files only.
#include "syslog_sink.h"

namespace vkslog {

bool isSyslogOn()
{
    return false;
}

void sendToSyslog(const LogEntry &, const std::string &) {}

void setSyslogTarget(const char *) {}

}  // namespace vkslog
