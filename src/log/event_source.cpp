// TutLogger's registration of the product's event source: a key under the event log's
// "Application" key whose message file is this library.
#include "log/logger.h"

#include <cstring>

#include "files/directories.h"
#include "util/startup.h"
#include "vkslog.h"

namespace {

constexpr char kValueName[] = "EventMessageFile";
constexpr char kLibraryFile[] = "VKSUTIL.DLL";
constexpr char kLogPrefix[] = "VEL";
// The event-log library's own numbers: how many log files it keeps, and the event types
// (error, warning, information) the source reports.
constexpr DWORD kMaxLogFiles = 10;
constexpr DWORD kTypesSupported = 7;

// Copies `length` bytes of `text` into a field of `size` bytes with its terminator; false, and
// nothing copied, when it does not fit.
bool copyField(char *field, size_t size, char const *text, size_t length)
{
    if (length >= size)
        return false;
    std::memcpy(field, text, length);
    field[length] = '\0';
    return true;
}

bool copyField(char *field, size_t size, char const *text)
{
    return copyField(field, size, text, std::strlen(text));
}

// The record that installs the source, filled from the product's directories. False when a
// directory is too long for its field: a cut path would name another folder.
bool fillConfig(REGISTRYEVENTLOGCONFIG &config)
{
    config.dwMaxLogFiles = kMaxLogFiles;
    config.dwTypesSupported = kTypesSupported;
    CString messageFile = TutDirectories::application();
    messageFile += kLibraryFile;
    // The data directory ends in its backslash, which the event-log library does not want.
    char const *data = TutDirectories::data();
    const size_t dataLength = std::strlen(data) - 1;
    return copyField(config.szMessageFile, sizeof config.szMessageFile, messageFile) &&
           copyField(config.szLogFolder, sizeof config.szLogFolder, data, dataLength) &&
           copyField(config.szBackupFolder, sizeof config.szBackupFolder, data, dataLength) &&
           copyField(config.szLogPrefix, sizeof config.szLogPrefix, kLogPrefix);
}

}  // namespace

int TutLogger::isEventLogRegistered()
{
    HKEY root = nullptr;
    CString path;
    utGetEventLogFQRegistryPath(root, path);
    HKEY key = nullptr;
    if (RegOpenKeyA(root, path, &key) != ERROR_SUCCESS)
        return FALSE;
    const LONG found = RegQueryValueExA(key, kValueName, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return found == ERROR_SUCCESS;
}

void TutLogger::RegisterEventLog(int force)
{
    if (!force && isEventLogRegistered())
        return;
    REGISTRYEVENTLOGCONFIG config;
    std::memset(&config, 0, sizeof config);
    if (!CheckBindLibrary(nullptr) || !fillConfig(config))
        return;
    CString productName;
    if (!g_pfnInstallEventSourceConfig(nullptr, utProductName(productName), &config))
        g_pfnGetLastError(m_hFile);
}

void TutLogger::UnregisterEventLog()
{
    if (!CheckBindLibrary(nullptr))
        return;
    CString productName;
    if (!g_pfnUninstallEventSourceConfig(nullptr, utProductName(productName)))
        g_pfnGetLastError(m_hFile);
}
