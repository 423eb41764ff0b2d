// Reported events as syslog messages on the host's log socket (see vkslog_host.h).
#pragma once

#include <string>

#include "log_entry.h"

namespace vkslog {

// The syslog priority of an event type: facility user with the type's severity.
int syslogPriority(WORD eventType);

// The datagram the log socket takes for `entry`, whose `message` is its English text:
// "<PRI>Mmm dd hh:mm:ss SOURCE[PID]: Event ID, category N: TEXT" (UTF-8).
std::string syslogDatagram(const LogEntry &entry, const std::string &englishText, long processId);

// Whether a socket is chosen ("off" is none).
bool isSyslogOn();

// Sends the entry to the socket in force; every failure is silent.
void sendToSyslog(const LogEntry &entry, const std::string &englishText);

// Sets the socket (a path, "off", or null for the environment's choice).
void setSyslogTarget(const char *socketPathOrOff);

}  // namespace vkslog
