// The source's registry key.
#include "source_config.h"

#include <vector>

namespace vkslog {

namespace {

class Key {
public:
    Key() = default;
    ~Key()
    {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;
    HKEY *out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

LONG setText(HKEY key, const char *name, DWORD type, const std::string &text)
{
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

LONG setNumber(HKEY key, const char *name, DWORD number)
{
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                          sizeof number);
}

// A count of 0 is no value at all, as readers expect of "CategoryCount".
LONG setOrRemoveNumber(HKEY key, const char *name, DWORD number)
{
    if (number)
        return setNumber(key, name, number);
    RegDeleteValueA(key, name);
    return ERROR_SUCCESS;
}

std::string text(HKEY key, const char *name)
{
    DWORD size = 0, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(data.data()),
                         &size) != ERROR_SUCCESS)
        return {};
    return std::string(data.data());
}

DWORD number(HKEY key, const char *name)
{
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return 0;
    return value;
}

}  // namespace

std::string sourceKeyPath(const std::string &source)
{
    return "System\\CurrentControlSet\\Services\\EventLog\\Application\\" + source;
}

// Other processes count the source as installed once its message file is there, so that value
// goes last: whoever sees it finds every other value of the key already written.
LONG writeSourceConfig(const std::string &source, const SourceConfig &config)
{
    Key key;
    LONG result = RegCreateKeyA(HKEY_LOCAL_MACHINE, sourceKeyPath(source).c_str(), key.out());
    if (result != ERROR_SUCCESS)
        return result;
    const LONG results[] = {
        setText(key.get(), "LogFolder", REG_SZ, config.logFolder),
        setText(key.get(), "BackupFolder", REG_SZ, config.backupFolder),
        setText(key.get(), "LogPrefix", REG_SZ, config.logPrefix),
        setNumber(key.get(), "MaxLogFiles", config.maxLogFiles),
        setNumber(key.get(), "TypesSupported", config.typesSupported),
        setOrRemoveNumber(key.get(), "CategoryCount", config.categoryCount),
    };
    for (LONG each : results)
        if (each != ERROR_SUCCESS)
            return each;
    return setText(key.get(), "EventMessageFile", REG_EXPAND_SZ, config.messageFile);
}

LONG readSourceConfig(const std::string &source, SourceConfig &config)
{
    Key key;
    LONG result = RegOpenKeyA(HKEY_LOCAL_MACHINE, sourceKeyPath(source).c_str(), key.out());
    if (result != ERROR_SUCCESS)
        return result;
    config.messageFile = text(key.get(), "EventMessageFile");
    config.logFolder = text(key.get(), "LogFolder");
    config.backupFolder = text(key.get(), "BackupFolder");
    config.logPrefix = text(key.get(), "LogPrefix");
    config.maxLogFiles = number(key.get(), "MaxLogFiles");
    config.typesSupported = number(key.get(), "TypesSupported");
    config.categoryCount = number(key.get(), "CategoryCount");
    // A key without its message file is still being installed (or was left half way); one
    // without a log folder was made by someone else. Either way its events have nowhere to go.
    return config.messageFile.empty() || config.logFolder.empty() || config.logPrefix.empty()
               ? ERROR_FILE_NOT_FOUND
               : ERROR_SUCCESS;
}

LONG removeSource(const std::string &source)
{
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, sourceKeyPath(source).c_str());
}

}  // namespace vkslog
