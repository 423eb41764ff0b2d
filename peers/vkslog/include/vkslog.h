/* vkslog.h: the entry points of the event-log library VKSLog.dll, which the library loads by path
   and binds by name. Every entry has C linkage; a result of 0 (or a null handle) is a failure
   whose code VKSGetLastError answers.

   How this stand-in keeps events (POSIX has no event log): installing a source writes its key
   HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\EventLog\Application\<source> with
   "EventMessageFile" (REG_EXPAND_SZ), "TypesSupported" (REG_DWORD) and the stand-in's own
   "LogFolder", "BackupFolder", "LogPrefix" (REG_SZ) and "MaxLogFiles" (REG_DWORD). Each reported
   event is appended as one entry to the day's log file <LogFolder>\<LogPrefix>MMDD.LOG (month
   and day of the local time), a text file of entries such as

     2026-12-10 01:08:35 | Information | Event 109 | Category 0 | Id 0x4000006D | Strings 1 | Data 0 | Source Velmora
     > the event's strings, one per line ('\' as \\, CR as \r, LF as \n)
     # the event's data in hex, when it has any
       the message text from the source's message file, one line per line, indented by two blanks
     (a blank line ends the entry)

   The message text is the event's message in the user's language (English, then any, when the
   message file has no table in it), its inserts the event's strings. Entries are appended whole,
   with one write under a lock, so that processes logging at once never mix them. Reading takes
   the entries of every day file of the log (in the order of their first entries' times) and
   numbers them from 1. */
#ifndef VKS_VKSLOG_H
#define VKS_VKSLOG_H

#include "windef.h"
#include "vkslinkage.h"

VKS_BEGIN_EXTERN_C

/* The record the library fills for VKSInstallEventSourceConfig: 1080 bytes. */
typedef struct REGISTRYEVENTLOGCONFIG {
    DWORD dwFlags;            /* offset 0: no flags are defined; 0 */
    DWORD dwMaxLogFiles;      /* 4: how many day files the product keeps (stored, for its use) */
    DWORD dwCategoryCount;    /* 8: "CategoryCount" when non-zero */
    DWORD dwTypesSupported;   /* 12: "TypesSupported" (7: error, warning, information) */
    DWORD dwReserved;         /* 16: 0 */
    char szMessageFile[261];  /* 20: "EventMessageFile" */
    char szLogFolder[261];    /* 281: where the day files go */
    char szBackupFolder[261]; /* 542: where a backup named without a folder goes */
    char szLogPrefix[277];    /* 803: the day files' name prefix ("VEL") */
} REGISTRYEVENTLOGCONFIG;

typedef char VKS_REGISTRYEVENTLOGCONFIG_IS_1080_BYTES[sizeof(REGISTRYEVENTLOGCONFIG) == 1080 ? 1 : -1];

/* A source's log configuration as VKSGetWin95EventLogConfig reports it and
   VKSSetWin95EventLogConfig changes it. `cbSize` must be sizeof(WIN95EVENTLOGCONFIG). */
typedef struct WIN95EVENTLOGCONFIG {
    DWORD cbSize;
    DWORD dwMaxLogFiles;
    DWORD dwTypesSupported;
    char szLogFolder[MAX_PATH];
    char szBackupFolder[MAX_PATH];
    char szLogPrefix[MAX_PATH];
} WIN95EVENTLOGCONFIG;

/* Event types and read flags, as the system's event log has them. */
#define EVENTLOG_SUCCESS 0x0000
#define EVENTLOG_ERROR_TYPE 0x0001
#define EVENTLOG_WARNING_TYPE 0x0002
#define EVENTLOG_INFORMATION_TYPE 0x0004
#define EVENTLOG_AUDIT_SUCCESS 0x0008
#define EVENTLOG_AUDIT_FAILURE 0x0010
#define EVENTLOG_SEQUENTIAL_READ 0x0001
#define EVENTLOG_SEEK_READ 0x0002
#define EVENTLOG_FORWARDS_READ 0x0004
#define EVENTLOG_BACKWARDS_READ 0x0008

/* One record of VKSReadEventLog. The texts follow the fixed part, each NUL-terminated: the
   source name, the message text, then the NumStrings strings; then the data, padding to a
   multiple of 4, and Length once more as the record's last DWORD. Offsets count from the
   record's start. Reading fills the buffer with as many whole records as fit; when not even one
   fits it fails with ERROR_INSUFFICIENT_BUFFER and tells the size needed. Past the last record in
   the direction read it fails with ERROR_HANDLE_EOF; a seek to a record that does not exist fails
   with ERROR_INVALID_PARAMETER. */
typedef struct VKSEVENTLOGRECORD {
    DWORD Length;
    DWORD Reserved;          /* VKS_EVENTLOG_SIGNATURE */
    DWORD RecordNumber;      /* from 1, the oldest entry of the log */
    DWORD TimeGenerated;     /* the entry's local time in seconds since 1970-01-01 00:00 */
    DWORD EventID;           /* the full identifier; viewers show its low 16 bits */
    WORD EventType;
    WORD NumStrings;
    WORD EventCategory;
    WORD ReservedFlags;
    DWORD SourceNameOffset;
    DWORD MessageOffset;
    DWORD StringOffset;
    DWORD DataLength;
    DWORD DataOffset;
} VKSEVENTLOGRECORD;

#define VKS_EVENTLOG_SIGNATURE 0x654c664c

/* 1-4: a source's log configuration and its files. */
int VKSGetWin95EventLogConfig(void *source, WIN95EVENTLOGCONFIG *config);
/* The full DOS path of the source's log file of today. */
int VKSGetWin95LogFilename(void *source, char *buffer, int size);
/* Changes the source's log configuration in its registry key; the message file stays. */
int VKSSetWin95EventLogConfig(void *source, WIN95EVENTLOGCONFIG *config);
/* Deletes every <prefix>????.LOG in the folder (both DOS paths); none there is success. */
int VKSDeleteAllWin95LogFiles(char const *folder, char const *prefix);

/* 5-6: registration. The server must be null or empty (this computer). */
int VKSInstallEventSourceConfig(char const *server, char const *sourceName,
                                REGISTRYEVENTLOGCONFIG *config);
int VKSUninstallEventSourceConfig(char const *server, char const *sourceName);

/* 7-8: kernel-mode logging does not exist here: ERROR_NOT_SUPPORTED. */
int VKSBindRing0EventLog(void *source, void *driver);
int VKSUnbindRing0EventLog(void *source);

/* 9-14: reporting. A source must be installed to be opened (ERROR_FILE_NOT_FOUND otherwise):
   its key tells where its events go. */
int VKSClearEventLog(void *log, char const *backupFile);
int VKSDeregisterEventSource(void *source);
void *VKSRegisterEventSource(char const *server, char const *sourceName);
int VKSReportEvent(void *source, WORD type, WORD category, DWORD eventId, void *userId,
                   WORD stringCount, DWORD dataSize, char const **strings, void *data);
/* There is no viewer on this system: ERROR_NOT_SUPPORTED for an open source. */
int VKSViewEventLog(void *source);
/* The code of the calling thread's latest failed entry (any handle; null is allowed), or 0. */
DWORD VKSGetLastError(void *source);

/* 15-22: reading. A log opened by source name holds that source's log files; a backup log holds
   the one file that VKSBackupEventLog wrote (which fails with ERROR_ALREADY_EXISTS when the file
   exists). Clearing deletes the day files, after a backup when a file is named. */
int VKSCloseEventLog(void *log);
int VKSGetNumberOfEventLogRecords(void *log, DWORD *count);
int VKSGetOldestEventLogRecord(void *log, DWORD *recordNumber);
void *VKSOpenEventLog(char const *server, char const *sourceName);
int VKSReadEventLog(void *log, DWORD flags, DWORD recordOffset, void *buffer, DWORD bytesToRead,
                    DWORD *bytesRead, DWORD *bytesNeeded);
int VKSBackupEventLog(void *log, char const *backupFile);
/* No change notification here: ERROR_NOT_SUPPORTED. */
int VKSNotifyChangeEventLog(void *log, void *event);
void *VKSOpenBackupEventLog(char const *server, char const *backupFile);

VKS_END_EXTERN_C

#endif
