// The drive map and the resolution of DOS paths to host paths.
#include "kernel32/paths.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "kernel32/codepage.h"
#include "posix/environment_posix.h"
#include "posix/fs_posix.h"
#include "vksboundary.h"
#include "vkshost.h"

namespace vks::detail {

namespace {

using posix::FileKind;

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool hasDriveSpec(const std::string &path)
{
    return path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':';
}

// Case folding of a host name, ASCII letters only: in UTF-8 every byte of another character is
// above 0x7F, so no part of one can pass for a letter.
std::string foldCase(const std::string &hostName)
{
    std::string folded = hostName;
    for (char &c : folded)
        c = asciiLower(c);
    return folded;
}

// A DOS path's names are in the ANSI code page, the host's in UTF-8.
std::vector<std::string> hostNames(std::vector<std::string> dosNames)
{
    for (std::string &name : dosNames)
        name = ansiToUtf8(name);
    return dosNames;
}

std::string withoutTrailingSlashes(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string absoluteHostPath(const std::string &path)
{
    if (!path.empty() && path[0] == '/')
        return withoutTrailingSlashes(path);
    return withoutTrailingSlashes(posix::currentDirectory() + "/" + path);
}

std::string joinHost(const std::string &folder, const std::string &name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// Splits the part after the drive at separators, skipping empty names, and applies "." and ".."
// lexically; ".." at the root stays at the root, as on Windows.
std::vector<std::string> splitComponents(const std::string &rest)
{
    std::vector<std::string> components;
    std::string name;
    auto finishName = [&] {
        if (name == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!name.empty() && name != ".") {
            components.push_back(name);
        }
        name.clear();
    };
    for (std::size_t i = 0; i < rest.size(); ++i) {
        char c = rest[i];
        if (isLeadByte(CP_ACP, static_cast<unsigned char>(c)) && i + 1 < rest.size()) {
            name += c;
            name += rest[++i];
        } else if (isSeparator(c)) {
            finishName();
        } else {
            name += c;
        }
    }
    finishName();
    return components;
}

// ---- The drive map ----

struct Drive {
    std::string folder;
    std::string canonical;  // the same folder with links resolved, to recognise host paths
};

std::string defaultDriveCFolder()
{
    if (std::string chosen = posix::environmentVariable("VKS_DRIVE_C"); !chosen.empty())
        return absoluteHostPath(chosen);
    if (std::string data = posix::environmentVariable("XDG_DATA_HOME"); data[0] == '/')
        return withoutTrailingSlashes(data) + "/vksutil/drive_c";
    if (std::string home = posix::environmentVariable("HOME"); home[0] == '/')
        return withoutTrailingSlashes(home) + "/.local/share/vksutil/drive_c";
    return {};
}

void makeFolders(const std::string &folder)
{
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        posix::makeDirectory(folder.substr(0, slash));
    posix::makeDirectory(folder);
}

class DriveMap {
public:
    DriveMap()
    {
        drives_['Z' - 'A'] = Drive{"/", "/"};
        useDefaultDriveC();
    }

    std::optional<Drive> drive(char letter)
    {
        std::lock_guard lock(mutex_);
        return drives_[asciiUpper(letter) - 'A'];
    }

    // Drive C as it stands, when its Windows folders may still have to be made: they are made
    // when something is first written, so that a process that only reads leaves them alone.
    std::optional<Drive> driveCToPrepare(unsigned &generation)
    {
        std::lock_guard lock(mutex_);
        generation = generation_;
        return foldersPending_ ? drives_['C' - 'A'] : std::nullopt;
    }

    // Records that the folders of drive C at `generation` are made.
    void driveCPrepared(unsigned generation)
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_ || !drives_['C' - 'A'])
            return;
        std::optional<Drive> &c = drives_['C' - 'A'];
        if (c->canonical.empty())
            c->canonical = posix::canonicalPath(c->folder);
        foldersPending_ = false;
        ++generation_;
    }

    std::vector<std::pair<char, Drive>> all()
    {
        std::lock_guard lock(mutex_);
        std::vector<std::pair<char, Drive>> mapped;
        for (std::size_t i = 0; i < drives_.size(); ++i)
            if (drives_[i])
                mapped.emplace_back(static_cast<char>('A' + i), *drives_[i]);
        return mapped;
    }

    void set(char letter, std::optional<Drive> drive)
    {
        std::lock_guard lock(mutex_);
        drives_[asciiUpper(letter) - 'A'] = std::move(drive);
        if (asciiUpper(letter) == 'C')
            foldersPending_ = true;
        ++generation_;
    }

    // The host's own drive C, read again from the environment each time it is restored.
    void useDefaultDriveC()
    {
        std::string folder = defaultDriveCFolder();
        std::lock_guard lock(mutex_);
        std::optional<Drive> &c = drives_['C' - 'A'];
        if (folder.empty())
            c.reset();
        else
            c = Drive{folder, posix::canonicalPath(folder)};
        foldersPending_ = true;
        ++generation_;
    }

    // Read without the lock: callers that keep a resolution compare it on every call.
    unsigned generation() { return generation_.load(std::memory_order_acquire); }

private:
    std::mutex mutex_;
    std::array<std::optional<Drive>, 26> drives_;
    bool foldersPending_ = false;
    std::atomic<unsigned> generation_{0};
};

// Never destroyed, so that paths still resolve in other modules' static destructors.
DriveMap &driveMap()
{
    static DriveMap *map = new DriveMap;
    return *map;
}

// ---- Matching names without regard to case ----

// Resolutions of existing paths whose case differs from the disk, so that a repeated lookup
// costs one stat instead of a directory scan per component.
class ResolvedCache {
public:
    std::optional<std::string> find(const std::string &key, unsigned generation)
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_)
            return std::nullopt;
        auto found = entries_.find(key);
        return found == entries_.end() ? std::nullopt : std::optional(found->second);
    }

    void store(const std::string &key, const std::string &hostPath, unsigned generation)
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_ || entries_.size() >= kCapacity) {
            entries_.clear();
            generation_ = generation;
        }
        entries_[key] = hostPath;
    }

private:
    static constexpr std::size_t kCapacity = 512;
    std::mutex mutex_;
    std::unordered_map<std::string, std::string> entries_;
    unsigned generation_ = 0;
};

ResolvedCache &resolvedCache()
{
    static ResolvedCache *cache = new ResolvedCache;
    return *cache;
}

std::optional<std::string> findIgnoringCase(const std::string &folder, const std::string &name)
{
    std::string wanted = foldCase(name);
    for (const std::string &entry : posix::listDirectory(folder))
        if (entry.size() == name.size() && foldCase(entry) == wanted)
            return entry;
    return std::nullopt;
}

// Walks the components from the drive's folder, taking the disk's spelling of each one that
// exists; from the first missing one on, the names are kept as given.
std::string matchComponents(const std::string &folder, const std::vector<std::string> &names,
                            bool &allExist)
{
    std::string current = folder;
    allExist = true;
    for (const std::string &name : names) {
        std::string exact = joinHost(current, name);
        if (!allExist || posix::fileKind(exact) != FileKind::missing) {
            current = std::move(exact);
            continue;
        }
        if (std::optional<std::string> onDisk = findIgnoringCase(current, name)) {
            current = joinHost(current, *onDisk);
        } else {
            allExist = false;
            current = std::move(exact);
        }
    }
    return current;
}

std::string hostPathOnDrive(const std::string &folder, const std::vector<std::string> &names)
{
    std::string exact = folder;
    for (const std::string &name : names)
        exact = joinHost(exact, name);
    if (names.empty() || posix::fileKind(exact) != FileKind::missing)
        return exact;

    unsigned generation = driveMap().generation();
    std::string key = folder + '\n' + foldCase(exact.substr(folder.size()));
    if (std::optional<std::string> cached = resolvedCache().find(key, generation);
        cached && posix::fileKind(*cached) != FileKind::missing)
        return *cached;

    bool allExist = false;
    std::string matched = matchComponents(folder, names, allExist);
    if (allExist)
        resolvedCache().store(key, matched, generation);
    return matched;
}

bool isUncPath(const std::string &path)
{
    return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

}  // namespace

bool resolveDosPath(const std::string &dosPath, std::string &hostPath, DWORD &error,
                    const std::string &relativeTo)
{
    if (dosPath.empty() || dosPath.find('\0') != std::string::npos) {
        error = ERROR_INVALID_NAME;
        return false;
    }
    if (dosPath[0] == '/') {
        hostPath = dosPath;
        return true;
    }
    if (isUncPath(dosPath)) {
        error = ERROR_BAD_PATHNAME;
        return false;
    }
    if (!hasDriveSpec(dosPath)) {
        std::string base = relativeTo.empty() ? windowsDirectory() : relativeTo;
        if (base[0] == '/')
            base = dosPathOf(base);
        if (!hasDriveSpec(base)) {
            error = ERROR_INVALID_NAME;
            return false;
        }
        // A name starting with a separator is rooted on the base's drive.
        std::string absolute = isSeparator(dosPath[0]) ? base.substr(0, 2) + dosPath
                                                       : base + "\\" + dosPath;
        return resolveDosPath(absolute, hostPath, error);
    }
    if (dosPath.size() == 2) {
        error = ERROR_INVALID_NAME;
        return false;
    }
    // "c:name" is taken from the root: every drive's current folder is its root here.
    std::optional<Drive> drive = driveMap().drive(dosPath[0]);
    if (!drive) {
        error = ERROR_INVALID_DRIVE;
        return false;
    }
    hostPath = hostPathOnDrive(drive->folder, hostNames(splitComponents(dosPath.substr(2))));
    return true;
}

std::string tidyDosPath(const std::string &dosPath)
{
    std::string tidy = dosPath.substr(0, 2) + "\\";
    const std::vector<std::string> components = splitComponents(dosPath.substr(2));
    for (std::size_t i = 0; i < components.size(); ++i)
        tidy += (i ? "\\" : "") + components[i];
    return tidy;
}

std::size_t dosFileNameOffset(const std::string &dosPath)
{
    std::size_t offset = 0;
    for (std::size_t i = 0; i < dosPath.size(); ++i) {
        if (isLeadByte(CP_ACP, static_cast<unsigned char>(dosPath[i])) && i + 1 < dosPath.size())
            ++i;
        else if (isSeparator(dosPath[i]) || dosPath[i] == ':')
            offset = i + 1;
    }
    return offset;
}

std::string windowsDirectory()
{
    return "C:\\WINDOWS";
}

std::string systemDirectory()
{
    return "C:\\WINDOWS\\SYSTEM";
}

std::string dosPathOf(const std::string &hostPath)
{
    if (hostPath.empty())
        return {};
    std::string path = absoluteHostPath(hostPath);
    char bestLetter = 0;
    std::size_t bestLength = 0;
    auto consider = [&](char letter, const std::string &folder) {
        if (folder.empty() || folder.size() < bestLength)
            return;
        bool inside = folder == "/" || (path.compare(0, folder.size(), folder) == 0 &&
                                        (path.size() == folder.size() || path[folder.size()] == '/'));
        if (inside && (folder.size() > bestLength || !bestLetter)) {
            bestLetter = letter;
            bestLength = folder == "/" ? 0 : folder.size();
        }
    };
    for (const auto &[letter, drive] : driveMap().all()) {
        consider(letter, drive.folder);
        consider(letter, drive.canonical);
    }
    if (!bestLetter)
        return path;  // no drive holds it: the host path is the only name it has
    std::string dos = std::string(1, bestLetter) + ":\\";
    bool lastWasSeparator = true;
    for (char c : path.substr(bestLength)) {
        bool separator = c == '/';
        if (!(separator && lastWasSeparator))
            dos += separator ? '\\' : c;
        lastWasSeparator = separator;
    }
    if (dos.size() > 3 && dos.back() == '\\')
        dos.pop_back();
    // Back into the code page; a character it cannot hold shows as '?', which names no file.
    return dos.substr(0, 3) + utf8ToAnsi(dos.substr(3));
}

void prepareDriveForWrite()
{
    unsigned generation = 0;
    std::optional<Drive> c = driveMap().driveCToPrepare(generation);
    if (!c)
        return;
    // Existing folders are taken in whatever case they have, as every other lookup takes them.
    makeFolders(hostPathOnDrive(c->folder, splitComponents(systemDirectory().substr(2))));
    driveMap().driveCPrepared(generation);
}

unsigned driveMapGeneration()
{
    return driveMap().generation();
}

std::string currentHostDirectory()
{
    return posix::currentDirectory();
}

}  // namespace vks::detail

BOOL VksHostSetDrive(char letter, const char *hostFolder)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        using namespace vks::detail;
        if (!isAsciiLetter(letter))
            return FALSE;
        if (!hostFolder) {
            if (asciiUpper(letter) == 'C')
                driveMap().useDefaultDriveC();
            else
                driveMap().set(letter, std::nullopt);
            return TRUE;
        }
        if (!*hostFolder)
            return FALSE;
        std::string folder = absoluteHostPath(hostFolder);
        if (posix::fileKind(folder) != posix::FileKind::directory)
            return FALSE;
        driveMap().set(letter, Drive{folder, posix::canonicalPath(folder)});
        return TRUE;
    });
}
