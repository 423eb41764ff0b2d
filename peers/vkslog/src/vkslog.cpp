// The 22 entry points of VKSLog.dll.
#include "vkslog.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "event_record.h"
#include "last_error.h"
#include "log_files.h"
#include "log_handles.h"
#include "message_text.h"
#include "syslog_sink.h"
#include "vksboundary.h"

#ifdef _WIN32
#define VKSLOG_EXPORT extern "C" __declspec(dllexport)
#else
#define VKSLOG_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using namespace vkslog;

namespace {

// What escapes an entry as an exception is told as the entry's last error.
void reportFailure(DWORD code)
{
    fail(code);
}

// Only this computer's log exists.
bool isLocal(char const *server)
{
    return !server || !*server;
}

// A text field of the record, which may lack its NUL.
std::string field(const char *text, size_t size)
{
    return std::string(text, std::find(text, text + size, '\0'));
}

std::string withoutFinalBackslash(std::string folder)
{
    if (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

bool copyField(const std::string &text, char *out, size_t size)
{
    if (text.size() >= size)
        return false;
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

// The configuration a source reports with: the registry's now, else the one it opened with.
SourceConfig currentConfig(const LogHandle &handle)
{
    SourceConfig config;
    return readSourceConfig(handle.sourceName, config) == ERROR_SUCCESS ? config : handle.config;
}

std::vector<LogEntry> entriesOf(const LogHandle &handle)
{
    if (handle.kind == LogHandle::Kind::backup)
        return readEntries({handle.backupHostPath});
    return readEntries(dayFiles(handle.config.logFolder, handle.config.logPrefix));
}

// A backup named without a folder goes to the source's backup folder.
std::string backupDosPath(const LogHandle &handle, const std::string &name)
{
    if (name.find_first_of("\\:/") != std::string::npos || handle.config.backupFolder.empty())
        return name;
    return handle.config.backupFolder + "\\" + name;
}

DWORD writeBackup(const LogHandle &handle, const char *backupFile)
{
    std::string hostPath;
    DWORD error = ERROR_SUCCESS;
    if (!hostPathOf(backupDosPath(handle, backupFile), hostPath, error))
        return error;
    std::error_code ignored;
    if (std::filesystem::exists(hostPath, ignored))
        return ERROR_ALREADY_EXISTS;
    std::string text;
    for (const LogEntry &entry : entriesOf(handle))
        text += entryText(entry);
    std::ofstream out(hostPath, std::ios::binary);
    if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush())
        return ERROR_WRITE_FAULT;
    return ERROR_SUCCESS;
}

DWORD deleteDayFiles(const std::string &folder, const std::string &prefix)
{
    DWORD result = ERROR_SUCCESS;
    for (const std::string &path : dayFiles(folder, prefix)) {
        std::error_code error;
        if (!std::filesystem::remove(path, error) && error)
            result = ERROR_ACCESS_DENIED;
    }
    return result;
}

// The record numbers a read covers, or the code it fails with.
DWORD readStart(LogHandle &handle, DWORD flags, DWORD recordOffset, long long count,
                long long &start)
{
    bool forwards = flags & EVENTLOG_FORWARDS_READ;
    if (flags & EVENTLOG_SEEK_READ) {
        if (recordOffset < 1 || recordOffset > count)
            return ERROR_INVALID_PARAMETER;
        start = recordOffset;
        return ERROR_SUCCESS;
    }
    start = handle.readStarted ? handle.nextRecord : forwards ? 1 : count;
    return start >= 1 && start <= count ? ERROR_SUCCESS : ERROR_HANDLE_EOF;
}

bool isOneOf(DWORD flags, DWORD a, DWORD b)
{
    return ((flags & a) != 0) != ((flags & b) != 0);
}

// The system log reads English, as administrators' tools expect, whatever the user's language.
void reportToSyslog(const SourceConfig &config, const LogEntry &entry)
{
    if (!isSyslogOn())
        return;
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    if (GetUserDefaultLangID() == english)
        return sendToSyslog(entry, entry.message);
    sendToSyslog(entry, messageText(config.messageFile, entry.eventId, entry.source,
                                    entry.strings, english));
}

}  // namespace

VKSLOG_EXPORT int VKSGetWin95EventLogConfig(void *source, WIN95EVENTLOGCONFIG *config)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!config || config->cbSize != sizeof *config)
            return fail(ERROR_INVALID_PARAMETER);
        bool fits = true;
        if (!withHandle(source, kSourceHandles, [&](LogHandle &handle) {
                SourceConfig current = currentConfig(handle);
                config->dwMaxLogFiles = current.maxLogFiles;
                config->dwTypesSupported = current.typesSupported;
                fits = copyField(current.logFolder, config->szLogFolder, sizeof config->szLogFolder) &&
                       copyField(current.backupFolder, config->szBackupFolder, sizeof config->szBackupFolder) &&
                       copyField(current.logPrefix, config->szLogPrefix, sizeof config->szLogPrefix);
            }))
            return fail(ERROR_INVALID_HANDLE);
        return fits ? TRUE : fail(ERROR_INSUFFICIENT_BUFFER);
    });
}

VKSLOG_EXPORT int VKSGetWin95LogFilename(void *source, char *buffer, int size)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!buffer || size <= 0)
            return fail(ERROR_INVALID_PARAMETER);
        std::string path;
        if (!withHandle(source, kSourceHandles, [&](LogHandle &handle) {
                SourceConfig current = currentConfig(handle);
                SYSTEMTIME now{};
                GetLocalTime(&now);
                path = dayFilePath(current.logFolder, current.logPrefix, now);
            }))
            return fail(ERROR_INVALID_HANDLE);
        return copyField(path, buffer, static_cast<size_t>(size)) ? TRUE : fail(ERROR_INSUFFICIENT_BUFFER);
    });
}

VKSLOG_EXPORT int VKSSetWin95EventLogConfig(void *source, WIN95EVENTLOGCONFIG *config)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!config || config->cbSize != sizeof *config)
            return fail(ERROR_INVALID_PARAMETER);
        SourceConfig changed;
        std::string name;
        if (!withHandle(source, kSourceHandles, [&](LogHandle &handle) {
                changed = currentConfig(handle);
                name = handle.sourceName;
            }))
            return fail(ERROR_INVALID_HANDLE);
        changed.maxLogFiles = config->dwMaxLogFiles;
        changed.typesSupported = config->dwTypesSupported;
        changed.logFolder = withoutFinalBackslash(field(config->szLogFolder, sizeof config->szLogFolder));
        changed.backupFolder =
            withoutFinalBackslash(field(config->szBackupFolder, sizeof config->szBackupFolder));
        changed.logPrefix = field(config->szLogPrefix, sizeof config->szLogPrefix);
        if (changed.logFolder.empty() || changed.logPrefix.empty())
            return fail(ERROR_INVALID_PARAMETER);
        LONG result = writeSourceConfig(name, changed);
        if (result != ERROR_SUCCESS)
            return fail(static_cast<DWORD>(result));
        withHandle(source, kSourceHandles, [&](LogHandle &handle) { handle.config = changed; });
        return TRUE;
    });
}

VKSLOG_EXPORT int VKSDeleteAllWin95LogFiles(char const *folder, char const *prefix)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!folder || !*folder || !prefix || !*prefix)
            return fail(ERROR_INVALID_PARAMETER);
        DWORD result = deleteDayFiles(folder, prefix);
        return result == ERROR_SUCCESS ? TRUE : fail(result);
    });
}

VKSLOG_EXPORT int VKSInstallEventSourceConfig(char const *server, char const *sourceName,
                                              REGISTRYEVENTLOGCONFIG *config)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!isLocal(server))
            return fail(ERROR_NOT_SUPPORTED);
        if (!sourceName || !*sourceName || std::strchr(sourceName, '\\') || !config)
            return fail(ERROR_INVALID_PARAMETER);
        SourceConfig source;
        source.messageFile = field(config->szMessageFile, sizeof config->szMessageFile);
        source.logFolder = withoutFinalBackslash(field(config->szLogFolder, sizeof config->szLogFolder));
        source.backupFolder =
            withoutFinalBackslash(field(config->szBackupFolder, sizeof config->szBackupFolder));
        source.logPrefix = field(config->szLogPrefix, sizeof config->szLogPrefix);
        source.maxLogFiles = config->dwMaxLogFiles;
        source.typesSupported = config->dwTypesSupported;
        source.categoryCount = config->dwCategoryCount;
        if (source.messageFile.empty() || source.logFolder.empty() || source.logPrefix.empty())
            return fail(ERROR_INVALID_PARAMETER);
        LONG result = writeSourceConfig(sourceName, source);
        return result == ERROR_SUCCESS ? TRUE : fail(static_cast<DWORD>(result));
    });
}

VKSLOG_EXPORT int VKSUninstallEventSourceConfig(char const *server, char const *sourceName)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!isLocal(server))
            return fail(ERROR_NOT_SUPPORTED);
        if (!sourceName || !*sourceName)
            return fail(ERROR_INVALID_PARAMETER);
        LONG result = removeSource(sourceName);
        return result == ERROR_SUCCESS ? TRUE : fail(static_cast<DWORD>(result));
    });
}

VKSLOG_EXPORT int VKSBindRing0EventLog(void *, void *)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        return fail(ERROR_NOT_SUPPORTED);
    });
}

VKSLOG_EXPORT int VKSUnbindRing0EventLog(void *)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        return fail(ERROR_NOT_SUPPORTED);
    });
}

VKSLOG_EXPORT int VKSClearEventLog(void *log, char const *backupFile)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        DWORD result = ERROR_SUCCESS;
        if (!withHandle(log, bitOf(LogHandle::Kind::log), [&](LogHandle &handle) {
                if (backupFile && *backupFile)
                    result = writeBackup(handle, backupFile);
                if (result == ERROR_SUCCESS)
                    result = deleteDayFiles(handle.config.logFolder, handle.config.logPrefix);
                handle.readStarted = false;
            }))
            return fail(ERROR_INVALID_HANDLE);
        return result == ERROR_SUCCESS ? TRUE : fail(result);
    });
}

VKSLOG_EXPORT int VKSDeregisterEventSource(void *source)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        return closeHandle(source, kSourceHandles) ? TRUE : fail(ERROR_INVALID_HANDLE);
    });
}

VKSLOG_EXPORT void *VKSRegisterEventSource(char const *server, char const *sourceName)
{
    return vks::atWin32Boundary<void *>(nullptr, reportFailure, [&]() -> void * {
        if (!isLocal(server)) {
            fail(ERROR_NOT_SUPPORTED);
            return nullptr;
        }
        if (!sourceName || !*sourceName) {
            fail(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        LogHandle handle;
        handle.kind = LogHandle::Kind::source;
        handle.sourceName = sourceName;
        LONG result = readSourceConfig(sourceName, handle.config);
        if (result != ERROR_SUCCESS) {
            fail(static_cast<DWORD>(result));
            return nullptr;
        }
        return openHandle(std::move(handle));
    });
}

VKSLOG_EXPORT int VKSReportEvent(void *source, WORD type, WORD category, DWORD eventId,
                                 void * /*userId*/, WORD stringCount, DWORD dataSize,
                                 char const **strings, void *data)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if ((stringCount && !strings) || (dataSize && !data))
            return fail(ERROR_INVALID_PARAMETER);
        for (WORD i = 0; i < stringCount; ++i)
            if (!strings[i])
                return fail(ERROR_INVALID_PARAMETER);
        LogEntry entry;
        SourceConfig config;
        if (!withHandle(source, kSourceHandles, [&](LogHandle &handle) {
                config = currentConfig(handle);
                entry.source = handle.sourceName;
            }))
            return fail(ERROR_INVALID_HANDLE);
        GetLocalTime(&entry.time);
        entry.type = type;
        entry.category = category;
        entry.eventId = eventId;
        entry.strings.assign(strings, strings + stringCount);
        entry.data.assign(static_cast<const char *>(data), data ? dataSize : 0);
        entry.message = messageText(config.messageFile, eventId, entry.source, entry.strings);
        DWORD result = appendEntry(dayFilePath(config.logFolder, config.logPrefix, entry.time), entry);
        reportToSyslog(config, entry);
        return result == ERROR_SUCCESS ? TRUE : fail(result);
    });
}

VKSLOG_EXPORT void VksLogSetSyslog(const char *socketPathOrOff)
{
    vks::atWin32BoundaryVoid([&] {
        setSyslogTarget(socketPathOrOff);
    });
}

VKSLOG_EXPORT int VKSViewEventLog(void *source)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!withHandle(source, kSourceHandles, [](LogHandle &) {}))
            return fail(ERROR_INVALID_HANDLE);
        // No event viewer exists on this system; the log files are text a person can read.
        return fail(ERROR_NOT_SUPPORTED);
    });
}

VKSLOG_EXPORT DWORD VKSGetLastError(void *)
{
    return lastError();
}

VKSLOG_EXPORT int VKSCloseEventLog(void *log)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        return closeHandle(log, kReadHandles) ? TRUE : fail(ERROR_INVALID_HANDLE);
    });
}

VKSLOG_EXPORT int VKSGetNumberOfEventLogRecords(void *log, DWORD *count)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!count)
            return fail(ERROR_INVALID_PARAMETER);
        if (!withHandle(log, kReadHandles, [&](LogHandle &handle) {
                *count = static_cast<DWORD>(entriesOf(handle).size());
            }))
            return fail(ERROR_INVALID_HANDLE);
        return TRUE;
    });
}

VKSLOG_EXPORT int VKSGetOldestEventLogRecord(void *log, DWORD *recordNumber)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!recordNumber)
            return fail(ERROR_INVALID_PARAMETER);
        if (!withHandle(log, kReadHandles, [&](LogHandle &handle) {
                *recordNumber = entriesOf(handle).empty() ? 0 : 1;
            }))
            return fail(ERROR_INVALID_HANDLE);
        return TRUE;
    });
}

VKSLOG_EXPORT void *VKSOpenEventLog(char const *server, char const *sourceName)
{
    return vks::atWin32Boundary<void *>(nullptr, reportFailure, [&]() -> void * {
        void *opened = VKSRegisterEventSource(server, sourceName);
        if (!opened)
            return nullptr;
        withHandle(opened, kSourceHandles, [](LogHandle &handle) { handle.kind = LogHandle::Kind::log; });
        return opened;
    });
}

VKSLOG_EXPORT int VKSReadEventLog(void *log, DWORD flags, DWORD recordOffset, void *buffer,
                                  DWORD bytesToRead, DWORD *bytesRead, DWORD *bytesNeeded)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!bytesRead || !bytesNeeded || (!buffer && bytesToRead) ||
            !isOneOf(flags, EVENTLOG_SEQUENTIAL_READ, EVENTLOG_SEEK_READ) ||
            !isOneOf(flags, EVENTLOG_FORWARDS_READ, EVENTLOG_BACKWARDS_READ))
            return fail(ERROR_INVALID_PARAMETER);
        *bytesRead = 0;
        *bytesNeeded = 0;
        DWORD result = ERROR_SUCCESS;
        if (!withHandle(log, kReadHandles, [&](LogHandle &handle) {
                std::vector<LogEntry> entries = entriesOf(handle);
                long long count = static_cast<long long>(entries.size());
                long long record = 0;
                if ((result = readStart(handle, flags, recordOffset, count, record)) != ERROR_SUCCESS)
                    return;
                long long step = (flags & EVENTLOG_FORWARDS_READ) ? 1 : -1;
                auto *out = static_cast<char *>(buffer);
                for (; record >= 1 && record <= count; record += step) {
                    std::string bytes = recordBytes(entries[static_cast<size_t>(record - 1)],
                                                    static_cast<DWORD>(record));
                    if (bytes.size() > bytesToRead - *bytesRead) {
                        if (*bytesRead == 0) {
                            *bytesNeeded = static_cast<DWORD>(bytes.size());
                            result = ERROR_INSUFFICIENT_BUFFER;
                            return;
                        }
                        break;
                    }
                    std::memcpy(out + *bytesRead, bytes.data(), bytes.size());
                    *bytesRead += static_cast<DWORD>(bytes.size());
                }
                handle.readStarted = true;
                handle.nextRecord = record;
            }))
            return fail(ERROR_INVALID_HANDLE);
        return result == ERROR_SUCCESS ? TRUE : fail(result);
    });
}

VKSLOG_EXPORT int VKSBackupEventLog(void *log, char const *backupFile)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        if (!backupFile || !*backupFile)
            return fail(ERROR_INVALID_PARAMETER);
        DWORD result = ERROR_SUCCESS;
        if (!withHandle(log, kReadHandles, [&](LogHandle &handle) { result = writeBackup(handle, backupFile); }))
            return fail(ERROR_INVALID_HANDLE);
        return result == ERROR_SUCCESS ? TRUE : fail(result);
    });
}

VKSLOG_EXPORT int VKSNotifyChangeEventLog(void *, void *)
{
    return vks::atWin32Boundary<int>(FALSE, reportFailure, [&]() -> int {
        return fail(ERROR_NOT_SUPPORTED);
    });
}

VKSLOG_EXPORT void *VKSOpenBackupEventLog(char const *server, char const *backupFile)
{
    return vks::atWin32Boundary<void *>(nullptr, reportFailure, [&]() -> void * {
        if (!isLocal(server)) {
            fail(ERROR_NOT_SUPPORTED);
            return nullptr;
        }
        if (!backupFile || !*backupFile) {
            fail(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        LogHandle handle;
        handle.kind = LogHandle::Kind::backup;
        DWORD error = ERROR_SUCCESS;
        std::error_code ignored;
        if (!hostPathOf(backupFile, handle.backupHostPath, error) ||
            !std::filesystem::is_regular_file(handle.backupHostPath, ignored)) {
            fail(error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND);
            return nullptr;
        }
        return openHandle(std::move(handle));
    });
}
