// DOS paths' entries, through the drive map and the host's folders.
#include "kernel32/dos_folder.h"

#include "kernel32/paths.h"
#include "posix/fs_posix.h"
#include "vkstext.h"

namespace vks::detail {

namespace {

DosEntry entryOfHostPath(const std::string &hostPath)
{
    switch (posix::fileKind(hostPath)) {
    case posix::FileKind::directory:
        return DosEntry::folder;
    case posix::FileKind::regular:
        return DosEntry::file;
    default:
        return DosEntry::missing;
    }
}

}  // namespace

DosEntry dosEntryKind(const std::string &dosPath)
{
    std::string hostPath;
    DWORD error = 0;
    if (!resolveDosPath(dosPath, hostPath, error))
        return DosEntry::missing;
    return entryOfHostPath(hostPath);
}

namespace {

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

std::vector<DosFolderEntry> dosFolderEntries(const std::string &dosFolder)
{
    std::string hostFolder;
    DWORD error = 0;
    if (!resolveDosPath(dosFolder, hostFolder, error))
        return {};
    std::vector<DosFolderEntry> entries;
    for (std::string &name : posix::listDirectory(hostFolder)) {
        const DosEntry kind = entryOfHostPath(hostFolder + "/" + name);
        if (kind != DosEntry::missing)
            entries.push_back({ansiName(name), kind});
    }
    return entries;
}

}  // namespace vks::detail
