// Reported events as syslog messages on the host's log socket (see vkslog_host.h).
#pragma once

#include <string>

#include "log_entry.h"

namespace vkslog {

// The syslog priority of an event type: facility user with the type's severity.
int syslogPriority(WORD eventType);

// The datagram the log socket takes for `entry` is its head and its English text, in UTF-8:
// "<PRI>Mmm dd hh:mm:ss SOURCE[PID]: Event ID, category N: " then TEXT, on one line, with
// control characters written as '#' and three octal digits (a line break is "#012").
std::string syslogHead(const LogEntry &entry, long processId);
std::string syslogText(const std::string &englishText);

// Whether a socket is chosen ("off" is none).
bool isSyslogOn();

// Sends the entry to the socket in force; every failure is silent.
void sendToSyslog(const LogEntry &entry, const std::string &englishText);

// Sets the socket (a path, "off", or null for the environment's choice).
void setSyslogTarget(const char *socketPathOrOff);

}  // namespace vkslog
