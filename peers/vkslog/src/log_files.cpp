// Day files: named by the local date, found by their pattern, ordered by their first entry.
#include "log_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "vkspath.h"

namespace vkslog {

namespace {

namespace fs = std::filesystem;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// "<prefix>????.LOG" without regard to case.
bool isDayFileName(const std::string &name, const std::string &prefix)
{
    std::string pattern = prefix + "????.LOG";
    if (name.size() != pattern.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (pattern[i] != '?' && upper(pattern[i]) != upper(name[i]))
            return false;
    return true;
}

std::string fileBytes(const std::string &hostPath)
{
    std::ifstream in(hostPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string folderOf(const std::string &dosPath)
{
    size_t slash = dosPath.find_last_of('\\');
    return slash == std::string::npos ? std::string() : dosPath.substr(0, slash);
}

// Creates the folder and any missing folders above it; failures show when the file is opened.
void makeFolders(const std::string &dosFolder)
{
    for (size_t slash = dosFolder.find('\\'); slash != std::string::npos;
         slash = dosFolder.find('\\', slash + 1))
        if (slash > 2)
            CreateDirectoryA(dosFolder.substr(0, slash).c_str(), nullptr);
    CreateDirectoryA(dosFolder.c_str(), nullptr);
}

}  // namespace

bool hostPathOf(const std::string &dosPath, std::string &hostPath, DWORD &error)
{
    const DWORD needed = VksHostPathOf(dosPath.c_str(), nullptr, 0);
    if (needed == 0) {
        error = GetLastError();
        return false;
    }
    std::string path(needed, '\0');
    const DWORD length = VksHostPathOf(dosPath.c_str(), path.data(), needed);
    if (length == 0 || length >= needed) {
        error = length == 0 ? GetLastError() : ERROR_INVALID_NAME;
        return false;
    }
    path.resize(length);
    hostPath = std::move(path);
    return true;
}

std::string dayFilePath(const std::string &folder, const std::string &prefix, const SYSTEMTIME &time)
{
    char name[16];
    std::snprintf(name, sizeof name, "%02u%02u.LOG", time.wMonth % 100u, time.wDay % 100u);
    std::string base = folder;
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    return base + prefix + name;
}

DWORD appendEntry(const std::string &dosPath, const LogEntry &entry)
{
    makeFolders(folderOf(dosPath));
    const std::string text = entryText(entry);
    if (!VksAppendWhole(dosPath.c_str(), text.data(), static_cast<DWORD>(text.size())))
        return GetLastError();
    return ERROR_SUCCESS;
}

std::vector<std::string> dayFiles(const std::string &folder, const std::string &prefix)
{
    std::string hostFolder;
    DWORD error = ERROR_SUCCESS;
    if (!hostPathOf(folder, hostFolder, error))
        return {};
    struct DayFile {
        std::string path;
        DWORD firstSecond;
    };
    std::vector<DayFile> files;
    std::error_code ignored;
    for (const auto &item : fs::directory_iterator(hostFolder, ignored)) {
        std::string name = item.path().filename().string();
        if (!isDayFileName(name, prefix) || !item.is_regular_file(ignored))
            continue;
        std::vector<LogEntry> entries = parseEntries(fileBytes(item.path().string()));
        files.push_back({item.path().string(), entries.empty() ? 0 : secondsSince1970(entries.front().time)});
    }
    // Names alone would put December before January of the next year.
    std::sort(files.begin(), files.end(), [](const DayFile &a, const DayFile &b) {
        return a.firstSecond != b.firstSecond ? a.firstSecond < b.firstSecond : a.path < b.path;
    });
    std::vector<std::string> paths;
    for (const DayFile &file : files)
        paths.push_back(file.path);
    return paths;
}

std::vector<LogEntry> readEntries(const std::vector<std::string> &hostPaths)
{
    std::vector<LogEntry> all;
    for (const std::string &path : hostPaths) {
        std::vector<LogEntry> entries = parseEntries(fileBytes(path));
        all.insert(all.end(), std::make_move_iterator(entries.begin()),
                   std::make_move_iterator(entries.end()));
    }
    return all;
}

}  // namespace vkslog
