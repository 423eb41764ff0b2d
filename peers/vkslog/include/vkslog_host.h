/* vkslog_host.h: how a host steers the event-log library stand-in beyond what VKSLog.dll offers
   on Windows. Bind these by name (GetProcAddress), as the library binds the others. */
#ifndef VKS_VKSLOG_HOST_H
#define VKS_VKSLOG_HOST_H

#include "windef.h"
#include "vkslinkage.h"

VKS_BEGIN_EXTERN_C

/* Where reported events also go, as on Windows NT they go to the system's event log: one syslog
   message each (facility user, the event type as its priority, the source as the tag, with the
   process id) on the host's log socket, a Unix datagram socket. `socketPathOrOff` is the socket's
   path, or "off" for none; null: the environment variable VKS_SYSLOG (the same two forms), else
   "/dev/log". A missing or full socket never fails nor delays a report: the event still goes to
   the day file. The Windows build has no such socket: there the call changes nothing. */
void VksLogSetSyslog(const char *socketPathOrOff);

VKS_END_EXTERN_C

#endif
