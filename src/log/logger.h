// TutLogger: the product's activity log, reported as events of the product's event source
// through the event-log library VKSLog.dll, which the class binds by path at run time.
#pragma once

#include "afx.h"
#include "log/event_log_entries.h"
#include "log/logger_prefs.h"

class TutString;

// An object is a handle that counts as one user of the shared log; all state is static. No lock
// guards it: callers that make or destroy loggers, or set preferences, on several threads
// serialise that themselves. Logging never throws and never reports failure to its caller.
class AFX_EXT_CLASS TutLogger {
public:
    // The first logger registers the event source if needed and opens it; later ones only
    // count. A logger made while the log cannot open is not counted.
    TutLogger();
    // The last counted logger closes the log and releases the event-log library.
    ~TutLogger();
    TutLogger(TutLogger const &) = delete;
    // Copies nothing: there is no object data.
    TutLogger &operator=(TutLogger const &) { return *this; }

    // ---- Preferences ----
    static void SetPreferences(TutLoggerPrefs const &prefs);
    // The master switch as stored.
    static int EnableLogging();
    // 1 when the master switch and the kind's own switch are both non-zero, else 0.
    static int LogSecurity();
    static int LogCallbacks();
    static int LogConnections();
    static int TransferSummary();
    static int TransferDetails();
    static int ModemStrings();

    // ---- Opening and closing ----
    // Opens the product's event source through the bound library; the log stays as it was when
    // the library cannot be bound, and closed when the source cannot be opened.
    void openLogFile();
    // Closes the source and releases one binding of the library; nothing while closed.
    void closeLogFile();
    int isOpen() const;
    int isValid() const;

    // ---- Writing: nothing while the log is closed ----
    // Reports one event with the strings as its inserts. A failure is not reported.
    void Write(WORD type, WORD category, DWORD eventId, char const **strings, WORD count);
    // An informational event whose whole message is `text` (message 0x4000006D).
    void WriteString(char const *text);
    void WriteString(TutString &text);
    // The same as WriteString: no time is added.
    void WriteTimeString(char const *text);
    void WriteTimeString(TutString &text);
    // The banner with the product name (message 0x4000006F).
    void WriteHeaderString();
    // Opens the event viewer: 0 on success, ERROR_OPEN_FAILED (110) while the log is closed,
    // else the library's error code.
    DWORD ViewEventLog();

    // ---- The event-log library ----
    // Binds VKSLog.dll from `directory` (null: the executable's folder) and looks up its 22
    // entries; each success adds one binding. When already bound, only counts (the directory
    // is then ignored). FALSE, with the count unchanged, when the library does not load or
    // lacks an entry.
    static int BindLibrary(char const *directory);
    // TRUE at once while bound (the count unchanged); else BindLibrary(directory).
    static int CheckBindLibrary(char const *directory);
    // Releases one binding; the last one nulls the 22 entries and unloads the library. FALSE
    // while unbound (the count stays 0).
    static int UnbindLibrary();

    // ---- The product's event source ----
    // TRUE when the source's registry key holds "EventMessageFile".
    static int isEventLogRegistered();
    // Installs the source (message file VKSUTIL.DLL in the application directory, log files
    // "VEL" in the data directory) unless it is registered and `force` is 0.
    static void RegisterEventLog(int force);
    static void UnregisterEventLog();

    // ---- Exported state ----
    static int m_bEnableLogging;
    static int m_bLogSecurity;
    static int m_bLogCallbacks;
    static int m_bLogConnections;
    static int m_bTransferSummary;
    static int m_bTransferDetails;
    static int m_bModemStrings;
    // For the product's own use: no query reads it.
    static int m_MaxLogFiles;
    // The open event source; null while the log is closed.
    static void *m_hFile;
    // Live loggers counted since the log was opened.
    static unsigned int m_unLogUserCount;

    // The loaded VKSLog.dll (null while unbound) and its number of bindings.
    static HMODULE g_hR3LogLib;
    static int g_nR3LReferenceCount;
    // The 22 entries, in the order they are looked up; all null while unbound.
    static VKSGETWIN95EVENTLOGCONFIGPROC g_pfnGetWin95EventLogConfig;
    static VKSGETWIN95LOGFILENAMEPROC g_pfnGetWin95LogFilename;
    static VKSSETWIN95EVENTLOGCONFIGPROC g_pfnSetWin95EventLogConfig;
    static VKSDELETEALLWIN95LOGFILESPROC g_pfnDeleteAllWin95LogFiles;
    static VKSINSTALLEVENTSOURCECONFIGPROC g_pfnInstallEventSourceConfig;
    static VKSUNINSTALLEVENTSOURCECONFIGPROC g_pfnUninstallEventSourceConfig;
    static VKSBINDRING0EVENTLOGPROC g_pfnBindRing0EventLog;
    static VKSUNBINDRING0EVENTLOGPROC g_pfnUnbindRing0EventLog;
    static VKSCLEAREVENTLOGPROC g_pfnClearEventLog;
    static VKSDEREGISTEREVENTSOURCEPROC g_pfnDeregisterEventSource;
    static VKSREGISTEREVENTSOURCEPROC g_pfnRegisterEventSource;
    static VKSREPORTEVENTPROC g_pfnReportEvent;
    static VKSVIEWEVENTLOGPROC g_pfnViewEventLog;
    static VKSGETLASTERRORPROC g_pfnGetLastError;
    static VKSCLOSEEVENTLOGPROC g_pfnCloseEventLog;
    static VKSGETNUMBEROFEVENTLOGRECORDSPROC g_pfnGetNumberOfEventLogRecords;
    static VKSGETOLDESTEVENTLOGRECORDPROC g_pfnGetOldestEventLogRecord;
    static VKSOPENEVENTLOGPROC g_pfnOpenEventLog;
    static VKSREADEVENTLOGPROC g_pfnReadEventLog;
    static VKSBACKUPEVENTLOGPROC g_pfnBackupEventLog;
    static VKSNOTIFYCHANGEEVENTLOGPROC g_pfnNotifyChangeEventLog;
    static VKSOPENBACKUPEVENTLOGPROC g_pfnOpenBackupEventLog;
};
