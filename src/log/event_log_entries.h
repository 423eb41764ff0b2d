// The types of the event-log library's 22 entry points, as TutLogger binds them by name.
#pragma once

#include "windows.h"

struct WIN95EVENTLOGCONFIG;
struct REGISTRYEVENTLOGCONFIG;

typedef int (*VKSGETWIN95EVENTLOGCONFIGPROC)(void *, WIN95EVENTLOGCONFIG *);
typedef int (*VKSGETWIN95LOGFILENAMEPROC)(void *, char *, int);
typedef int (*VKSSETWIN95EVENTLOGCONFIGPROC)(void *, WIN95EVENTLOGCONFIG *);
typedef int (*VKSDELETEALLWIN95LOGFILESPROC)(char const *, char const *);
typedef int (*VKSINSTALLEVENTSOURCECONFIGPROC)(char const *, char const *sourceName,
                                               REGISTRYEVENTLOGCONFIG *);
typedef int (*VKSUNINSTALLEVENTSOURCECONFIGPROC)(char const *, char const *sourceName);
typedef int (*VKSBINDRING0EVENTLOGPROC)(void *, void *);
typedef int (*VKSUNBINDRING0EVENTLOGPROC)(void *);
typedef int (*VKSCLEAREVENTLOGPROC)(void *log, char const *backupFile);
typedef int (*VKSDEREGISTEREVENTSOURCEPROC)(void *source);
typedef void *(*VKSREGISTEREVENTSOURCEPROC)(char const *server, char const *sourceName);
typedef int (*VKSREPORTEVENTPROC)(void *source, WORD type, WORD category, DWORD eventId,
                                  void *userId, WORD stringCount, DWORD dataSize,
                                  char const **strings, void *data);
typedef int (*VKSVIEWEVENTLOGPROC)(void *source);
typedef DWORD (*VKSGETLASTERRORPROC)(void *source);
typedef int (*VKSCLOSEEVENTLOGPROC)(void *log);
typedef int (*VKSGETNUMBEROFEVENTLOGRECORDSPROC)(void *log, DWORD *count);
typedef int (*VKSGETOLDESTEVENTLOGRECORDPROC)(void *log, DWORD *recordNumber);
typedef void *(*VKSOPENEVENTLOGPROC)(char const *server, char const *source);
typedef int (*VKSREADEVENTLOGPROC)(void *log, DWORD flags, DWORD recordOffset, void *buffer,
                                   DWORD bytesToRead, DWORD *bytesRead, DWORD *bytesNeeded);
typedef int (*VKSBACKUPEVENTLOGPROC)(void *log, char const *backupFile);
typedef int (*VKSNOTIFYCHANGEEVENTLOGPROC)(void *log, void *event);
typedef void *(*VKSOPENBACKUPEVENTLOGPROC)(char const *server, char const *backupFile);
