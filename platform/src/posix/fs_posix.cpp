#if !defined(__unix__)
#error "fs_posix.cpp is the POSIX file system layer; build it only on a POSIX host"
#endif

#include "posix/fs_posix.h"
#include "posix/errno_posix.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace vks::detail::posix {

namespace {


struct DirCloser {
    void operator()(DIR *dir) const { closedir(dir); }
};

}  // namespace

FileKind fileKind(const std::string &hostPath)
{
    struct stat info;
    if (stat(hostPath.c_str(), &info) != 0)
        return FileKind::missing;
    if (S_ISDIR(info.st_mode))
        return FileKind::directory;
    if (S_ISREG(info.st_mode))
        return FileKind::regular;
    return FileKind::other;
}

std::vector<std::string> listDirectory(const std::string &hostPath)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, DirCloser> dir(opendir(hostPath.c_str()));
    if (!dir)
        return names;
    while (const dirent *entry = readdir(dir.get())) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(std::move(name));
    }
    return names;
}

DWORD makeDirectory(const std::string &hostPath)
{
    if (mkdir(hostPath.c_str(), 0777) == 0)
        return ERROR_SUCCESS;
    return win32ErrorOf(errno, ERROR_ACCESS_DENIED);
}

std::string executablePath()
{
    std::string path(PATH_MAX, '\0');
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<size_t>(length));
    return path;
}

std::string currentDirectory()
{
    std::string path(PATH_MAX, '\0');
    if (!getcwd(path.data(), path.size()))
        return {};
    path.resize(path.find('\0'));
    return path;
}

std::string canonicalPath(const std::string &hostPath)
{
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(hostPath.c_str(), nullptr),
                                                        &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

}  // namespace vks::detail::posix
