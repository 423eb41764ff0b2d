// The file dialog's folders and names, on the drive map and the host's folder listing.
#include "comdlg32/file_dialog_folder.h"

#include <algorithm>

#include "kernel32/paths.h"
#include "posix/fs_posix.h"
#include "vkstext.h"
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

// "C:" and the components after it, with "." dropped and ".." taking one back (never past the
// root).
std::string tidyAbsolute(const std::string &path)
{
    const std::string drive = path.substr(0, 2);
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (std::size_t i = 2; i < path.size(); ++i) {
        if (isSeparator(path[i]))
            flush();
        else
            part += path[i];
    }
    flush();
    std::string tidy = drive + "\\";
    for (std::size_t i = 0; i < parts.size(); ++i)
        tidy += (i ? "\\" : "") + parts[i];
    return tidy;
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

// A host name (UTF-8) in the ANSI code page, '?' for each character the code page cannot hold.
std::string ansiName(const std::string &hostName)
{
    const int size = VksUtf8ToAnsi(hostName.c_str(), nullptr, 0);
    if (size <= 0)
        return hostName;
    std::string ansi(static_cast<std::size_t>(size), '\0');
    VksUtf8ToAnsi(hostName.c_str(), ansi.data(), size);
    ansi.resize(static_cast<std::size_t>(size) - 1);
    return ansi;
}

}  // namespace

std::string joinDosPath(const std::string &folder, const std::string &name)
{
    if (hasDrive(name))
        return tidyAbsolute(name);
    if (!name.empty() && isSeparator(name[0]))
        return tidyAbsolute(folder.substr(0, 2) + name);
    return tidyAbsolute(folder + "\\" + name);
}

DosEntry dosEntryKind(const std::string &dosPath)
{
    std::string hostPath;
    DWORD error = 0;
    if (!resolveDosPath(dosPath, hostPath, error))
        return DosEntry::missing;
    switch (posix::fileKind(hostPath)) {
    case posix::FileKind::directory:
        return DosEntry::folder;
    case posix::FileKind::regular:
        return DosEntry::file;
    default:
        return DosEntry::missing;
    }
}

std::string dosFolderOf(const std::string &dosPath)
{
    const std::size_t offset = fileNameOffset(dosPath);
    std::string folder = dosPath.substr(0, offset);
    while (folder.size() > 3 && isSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

std::size_t fileNameOffset(const std::string &dosPath)
{
    const std::size_t last = dosPath.find_last_of("\\/:");
    return last == std::string::npos ? 0 : last + 1;
}

std::size_t fileExtensionOffset(const std::string &dosPath)
{
    const std::size_t dot = dosPath.rfind('.');
    return dot == std::string::npos || dot < fileNameOffset(dosPath) ? 0 : dot + 1;
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
    std::string hostFolder;
    DWORD error = 0;
    if (!resolveDosPath(dosFolder, hostFolder, error))
        return {};
    std::vector<std::string> folders;
    std::vector<std::string> files;
    for (const std::string &hostName : posix::listDirectory(hostFolder)) {
        const posix::FileKind kind = posix::fileKind(hostFolder + "/" + hostName);
        // Shown in the code page, as every DOS path is; a character it cannot hold shows as '?',
        // a wildcard, so that name is never taken for a file.
        const std::string name = ansiName(hostName);
        if (kind == posix::FileKind::directory) {
            folders.push_back(name);
        } else if (kind == posix::FileKind::regular &&
                   std::any_of(patterns.begin(), patterns.end(), [&](const std::string &p) {
                       return matchesPattern(name, p);
                   })) {
            files.push_back(name);
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
