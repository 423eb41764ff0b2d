// The file dialog's folders and names, on the drive map and the host's folder listing.
#include "comdlg32/file_dialog_folder.h"

#include <algorithm>

#include "kernel32/paths.h"
#include "windows.h"

namespace vks::detail {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool hasDrive(const std::string &path)
{
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Bytes compared unsigned, so that a name in double-byte characters comes after ASCII ones.
bool lessIgnoringCase(const std::string &a, const std::string &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
    });
}

bool matchFrom(const char *name, const char *pattern)
{
    for (; *pattern; ++pattern, ++name) {
        if (*pattern == '*') {
            for (const char *rest = name;; ++rest) {
                if (matchFrom(rest, pattern + 1))
                    return true;
                if (!*rest)
                    return false;
            }
        }
        if (!*name || (*pattern != '?' && lowerAscii(*pattern) != lowerAscii(*name)))
            return false;
    }
    return !*name;
}

}  // namespace

std::string joinDosPath(const std::string &folder, const std::string &name)
{
    if (hasDrive(name))
        return tidyDosPath(name);
    if (!name.empty() && isSeparator(name[0]))
        return tidyDosPath(folder.substr(0, 2) + name);
    return tidyDosPath(folder + "\\" + name);
}

std::string dosFolderOf(const std::string &dosPath)
{
    const std::size_t offset = dosFileNameOffset(dosPath);
    // The separator before the name goes, the root's stays.
    return dosPath.substr(0, offset > 3 ? offset - 1 : offset);
}

std::size_t fileExtensionOffset(const std::string &dosPath)
{
    const std::size_t dot = dosPath.rfind('.');
    return dot == std::string::npos || dot < dosFileNameOffset(dosPath) ? 0 : dot + 1;
}

bool hasWildcard(const std::string &name)
{
    return name.find_first_of("*?") != std::string::npos;
}

std::vector<std::string> splitPatterns(const std::string &patterns)
{
    std::vector<std::string> split;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos)
            end = patterns.size();
        std::string pattern = patterns.substr(start, end - start);
        pattern.erase(0, pattern.find_first_not_of(' '));
        pattern.erase(pattern.find_last_not_of(' ') + 1);
        if (!pattern.empty())
            split.push_back(pattern);
        start = end + 1;
    }
    return split;
}

bool matchesPattern(const std::string &name, const std::string &pattern)
{
    if (pattern == "*.*")
        return true;
    return matchFrom(name.c_str(), pattern.c_str());
}

std::vector<std::string> folderListing(const std::string &dosFolder,
                                       const std::vector<std::string> &patterns)
{
    std::vector<std::string> folders;
    std::vector<std::string> files;
    for (DosFolderEntry &entry : dosFolderEntries(dosFolder)) {
        if (entry.kind == DosEntry::folder) {
            folders.push_back(std::move(entry.name));
        } else if (std::any_of(patterns.begin(), patterns.end(), [&](const std::string &p) {
                       return matchesPattern(entry.name, p);
                   })) {
            files.push_back(std::move(entry.name));
        }
    }
    std::sort(folders.begin(), folders.end(), lessIgnoringCase);
    std::sort(files.begin(), files.end(), lessIgnoringCase);
    std::vector<std::string> listing;
    for (const std::string &folder : folders)
        listing.push_back("[" + folder + "]");
    listing.insert(listing.end(), files.begin(), files.end());
    return listing;
}

}  // namespace vks::detail
