// TutLogger's binding of the event-log library: loaded by path, its 22 entries looked up by
// name and published, its users counted so that the last one unloads it.
#include "log/logger.h"

#include <cstring>

#include "mbstring.h"

HMODULE TutLogger::g_hR3LogLib = nullptr;
int TutLogger::g_nR3LReferenceCount = 0;

VKSGETWIN95EVENTLOGCONFIGPROC TutLogger::g_pfnGetWin95EventLogConfig = nullptr;
VKSGETWIN95LOGFILENAMEPROC TutLogger::g_pfnGetWin95LogFilename = nullptr;
VKSSETWIN95EVENTLOGCONFIGPROC TutLogger::g_pfnSetWin95EventLogConfig = nullptr;
VKSDELETEALLWIN95LOGFILESPROC TutLogger::g_pfnDeleteAllWin95LogFiles = nullptr;
VKSINSTALLEVENTSOURCECONFIGPROC TutLogger::g_pfnInstallEventSourceConfig = nullptr;
VKSUNINSTALLEVENTSOURCECONFIGPROC TutLogger::g_pfnUninstallEventSourceConfig = nullptr;
VKSBINDRING0EVENTLOGPROC TutLogger::g_pfnBindRing0EventLog = nullptr;
VKSUNBINDRING0EVENTLOGPROC TutLogger::g_pfnUnbindRing0EventLog = nullptr;
VKSCLEAREVENTLOGPROC TutLogger::g_pfnClearEventLog = nullptr;
VKSDEREGISTEREVENTSOURCEPROC TutLogger::g_pfnDeregisterEventSource = nullptr;
VKSREGISTEREVENTSOURCEPROC TutLogger::g_pfnRegisterEventSource = nullptr;
VKSREPORTEVENTPROC TutLogger::g_pfnReportEvent = nullptr;
VKSVIEWEVENTLOGPROC TutLogger::g_pfnViewEventLog = nullptr;
VKSGETLASTERRORPROC TutLogger::g_pfnGetLastError = nullptr;
VKSCLOSEEVENTLOGPROC TutLogger::g_pfnCloseEventLog = nullptr;
VKSGETNUMBEROFEVENTLOGRECORDSPROC TutLogger::g_pfnGetNumberOfEventLogRecords = nullptr;
VKSGETOLDESTEVENTLOGRECORDPROC TutLogger::g_pfnGetOldestEventLogRecord = nullptr;
VKSOPENEVENTLOGPROC TutLogger::g_pfnOpenEventLog = nullptr;
VKSREADEVENTLOGPROC TutLogger::g_pfnReadEventLog = nullptr;
VKSBACKUPEVENTLOGPROC TutLogger::g_pfnBackupEventLog = nullptr;
VKSNOTIFYCHANGEEVENTLOGPROC TutLogger::g_pfnNotifyChangeEventLog = nullptr;
VKSOPENBACKUPEVENTLOGPROC TutLogger::g_pfnOpenBackupEventLog = nullptr;

namespace {

constexpr char kLibraryName[] = "VKSLog.dll";
constexpr size_t kPathBuffer = MAX_PATH;

// One entry: its name in the library and the exported pointer that holds it.
struct Entry {
    char const *name;
    void **pointer;
};

template <typename Proc>
void **slot(Proc &pointer)
{
    return reinterpret_cast<void **>(&pointer);
}

// In the order they are looked up.
const Entry kEntries[] = {
    {"VKSGetWin95EventLogConfig", slot(TutLogger::g_pfnGetWin95EventLogConfig)},
    {"VKSGetWin95LogFilename", slot(TutLogger::g_pfnGetWin95LogFilename)},
    {"VKSSetWin95EventLogConfig", slot(TutLogger::g_pfnSetWin95EventLogConfig)},
    {"VKSDeleteAllWin95LogFiles", slot(TutLogger::g_pfnDeleteAllWin95LogFiles)},
    {"VKSInstallEventSourceConfig", slot(TutLogger::g_pfnInstallEventSourceConfig)},
    {"VKSUninstallEventSourceConfig", slot(TutLogger::g_pfnUninstallEventSourceConfig)},
    {"VKSBindRing0EventLog", slot(TutLogger::g_pfnBindRing0EventLog)},
    {"VKSUnbindRing0EventLog", slot(TutLogger::g_pfnUnbindRing0EventLog)},
    {"VKSClearEventLog", slot(TutLogger::g_pfnClearEventLog)},
    {"VKSDeregisterEventSource", slot(TutLogger::g_pfnDeregisterEventSource)},
    {"VKSRegisterEventSource", slot(TutLogger::g_pfnRegisterEventSource)},
    {"VKSReportEvent", slot(TutLogger::g_pfnReportEvent)},
    {"VKSViewEventLog", slot(TutLogger::g_pfnViewEventLog)},
    {"VKSGetLastError", slot(TutLogger::g_pfnGetLastError)},
    {"VKSCloseEventLog", slot(TutLogger::g_pfnCloseEventLog)},
    {"VKSGetNumberOfEventLogRecords", slot(TutLogger::g_pfnGetNumberOfEventLogRecords)},
    {"VKSGetOldestEventLogRecord", slot(TutLogger::g_pfnGetOldestEventLogRecord)},
    {"VKSOpenEventLog", slot(TutLogger::g_pfnOpenEventLog)},
    {"VKSReadEventLog", slot(TutLogger::g_pfnReadEventLog)},
    {"VKSBackupEventLog", slot(TutLogger::g_pfnBackupEventLog)},
    {"VKSNotifyChangeEventLog", slot(TutLogger::g_pfnNotifyChangeEventLog)},
    {"VKSOpenBackupEventLog", slot(TutLogger::g_pfnOpenBackupEventLog)},
};

// The byte after the last backslash of `text`, or null without one. Double-byte aware: in the
// ANSI code page a backslash byte may be the second half of a character.
char *afterLastBackslash(char *text)
{
    unsigned char *last = _mbsrchr(reinterpret_cast<unsigned char *>(text), '\\');
    return last ? reinterpret_cast<char *>(last) + 1 : nullptr;
}

bool endsWithBackslash(char const *text)
{
    size_t length = std::strlen(text);
    if (length == 0)
        return false;
    char copy[kPathBuffer];
    std::memcpy(copy, text, length + 1);
    char *after = afterLastBackslash(copy);
    return after && *after == '\0';
}

// Appends `tail` when the whole text fits the buffer; false, leaving the text as it was, when
// it does not.
bool append(char *path, char const *tail)
{
    size_t used = std::strlen(path);
    size_t added = std::strlen(tail);
    if (used + added >= kPathBuffer)
        return false;
    std::memcpy(path + used, tail, added + 1);
    return true;
}

// The executable's folder, with its final backslash.
bool executableFolder(char *path)
{
    DWORD length = GetModuleFileNameA(nullptr, path, kPathBuffer);
    if (length == 0 || length >= kPathBuffer)
        return false;
    path[length] = '\0';
    char *after = afterLastBackslash(path);
    if (!after)
        return false;
    *after = '\0';
    return true;
}

bool givenFolder(char *path, char const *directory)
{
    if (std::strlen(directory) >= kPathBuffer)
        return false;
    std::strcpy(path, directory);
    return endsWithBackslash(path) || append(path, "\\");
}

// The library's full path in `path`; empty, so that the load fails, when it does not fit or
// the executable has no folder.
void buildLibraryPath(char *path, char const *directory)
{
    path[0] = '\0';
    bool built = directory ? givenFolder(path, directory) : executableFolder(path);
    if (!built || !append(path, kLibraryName))
        path[0] = '\0';
}

void clearEntries()
{
    for (const Entry &entry : kEntries)
        *entry.pointer = nullptr;
}

// Looks up every entry, each missing one stored as null; true when all were found.
bool lookUpEntries(HMODULE library)
{
    bool allFound = true;
    for (const Entry &entry : kEntries) {
        *entry.pointer = reinterpret_cast<void *>(GetProcAddress(library, entry.name));
        allFound = allFound && *entry.pointer != nullptr;
    }
    return allFound;
}

}  // namespace

int TutLogger::BindLibrary(char const *directory)
{
    if (g_nR3LReferenceCount > 0) {
        ++g_nR3LReferenceCount;
        return TRUE;
    }
    char path[kPathBuffer];
    buildLibraryPath(path, directory);
    HMODULE library = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library)
        return FALSE;
    // An incomplete library is released again at once: keeping it loaded while unbound would
    // leave one more load behind with each failed attempt.
    if (!lookUpEntries(library)) {
        clearEntries();
        FreeLibrary(library);
        return FALSE;
    }
    g_hR3LogLib = library;
    ++g_nR3LReferenceCount;
    return TRUE;
}

int TutLogger::CheckBindLibrary(char const *directory)
{
    if (g_nR3LReferenceCount > 0)
        return TRUE;
    return BindLibrary(directory);
}

int TutLogger::UnbindLibrary()
{
    if (--g_nR3LReferenceCount > 0)
        return TRUE;
    clearEntries();
    HMODULE library = g_hR3LogLib;
    g_hR3LogLib = nullptr;
    g_nR3LReferenceCount = 0;
    if (!library)
        return FALSE;
    return FreeLibrary(library) || GetLastError() == 0 ? TRUE : FALSE;
}
