#if !defined(__unix__)
#error "inifile_posix.cpp is the POSIX layer of the INI engine; build it only on a POSIX host"
#endif

// The file operations of the INI engine on POSIX: stat, whole-file read, flock and rename.

#include "posix/inifile_posix.h"
#include "posix/errno_posix.h"
#include "posix/fd_posix.h"
#include "posix/fs_posix.h"
#include "posix/write_calls_posix.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <limits>
#include <cstdlib>
#include <csignal>
#include <ctime>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vks::detail {

namespace {

std::int64_t nanoseconds(const timespec &t)
{
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

FileStamp stampOf(const struct stat &st)
{
    FileStamp stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.mtimeNs = nanoseconds(st.st_mtim);
    stamp.ctimeNs = nanoseconds(st.st_ctim);
    return stamp;
}

bool isSettled(const struct stat &st, const timespec &now)
{
    return isStampSettled(stampOf(st), nanoseconds(now));
}

FileSnapshot snapshotOf(int fd, bool &ok)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    struct stat st {};
    ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    return ok ? FileSnapshot{stampOf(st), isSettled(st, now)} : FileSnapshot{};
}


// Reads to the end of the file, whatever its size was when stat() looked; false once it holds
// more than `maxBytes`. A read that leaves room in the buffer once the size stat() gave is in
// needs no second one to see the end; a short read before that (a signal, a network file
// system) is read on from.
bool readFrom(int fd, std::string &bytes, std::uint64_t sizeHint,
              std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max())
{
    size_t filled = 0;
    bytes.resize(static_cast<size_t>(std::min<std::uint64_t>(sizeHint, 64u << 20)) + 1);
    for (;;) {
        if (filled > maxBytes)
            return false;
        if (filled == bytes.size())
            bytes.resize(filled * 2);
        ssize_t got = pread(fd, bytes.data() + filled, bytes.size() - filled,
                            static_cast<off_t>(filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            bytes.resize(filled);
            return got == 0;
        }
        filled += static_cast<size_t>(got);
        if (filled < bytes.size() && filled >= sizeHint && filled <= maxBytes) {
            bytes.resize(filled);
            return true;
        }
    }
}

int openNoFollowFifo(const std::string &path, int flags, mode_t mode = 0)
{
    // O_NONBLOCK keeps a FIFO in the file's place from blocking the open; it is rejected after.
    int fd;
    do
        fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// The file a rename must replace: the target when `path` is a symbolic link.
std::string replacedPath(const std::string &path, struct stat &st)
{
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved) || stat(resolved, &st) != 0)
        return path;
    return resolved;
}

std::string folderOf(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Writers of the files of one folder take turns through an advisory lock on the folder itself.
// Unlike a lock on the file, it lets a writer close the file before renaming the new one over
// it. Within the process the lock is a recursive mutex per folder, so that threads take turns
// and a thread that already holds it may take it again.
class FolderLocks {
public:
    // False when the folder cannot be opened or locked (no read permission on it, a file
    // system without such locks); the caller then locks the file.
    bool lock(const std::string &folder)
    {
        Held &held = entry(folder);
        held.mutex.lock();
        if (held.depth == 0) {
            int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0 || !posix::lockExclusive(fd)) {
                if (fd >= 0)
                    close(fd);
                held.mutex.unlock();
                return false;
            }
            held.fd = fd;
        }
        ++held.depth;
        return true;
    }

    void unlock(const std::string &folder)
    {
        Held &held = entry(folder);
        if (--held.depth == 0) {
            close(held.fd);
            held.fd = -1;
        }
        held.mutex.unlock();
    }

private:
    struct Held {
        std::recursive_mutex mutex;
        int fd = -1;
        int depth = 0;
    };

    Held &entry(const std::string &folder)
    {
        std::lock_guard<std::mutex> guard(mutex_);
        std::unique_ptr<Held> &held = folders_[folder];
        if (!held)
            held = std::make_unique<Held>();
        return *held;
    }

    std::mutex mutex_;
    std::unordered_map<std::string, std::unique_ptr<Held>> folders_;
};

FolderLocks &folderLocks()
{
    static auto *locks = new FolderLocks;  // never destroyed: writes may come from exit handlers
    return *locks;
}

bool folderExists(const std::string &path)
{
    struct stat st {};
    return stat(folderOf(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The one temporary file of `path`. Only the writer holding the file's lock uses it, so a name
// of its own is enough; whatever a killed writer left there is stale and goes at the next write.
std::string temporarySibling(const std::string &path)
{
    size_t slash = path.rfind('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + ".writing.tmp";
}

// ".NAME.<pid>-<n>.tmp": the temporary files of earlier versions, one per write, which a killed
// writer left behind. The pid of the writer that made it, or 0 for any other name.
long earlierTemporaryOwner(const std::string &entry, const std::string &name)
{
    std::string prefix = "." + name + ".";
    const std::string suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() ||
        entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    std::string middle = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    size_t dash = middle.find('-');
    bool digits = dash != std::string::npos && dash > 0 && dash + 1 < middle.size() &&
                  middle.find_first_not_of("0123456789-") == std::string::npos &&
                  middle.find('-', dash + 1) == std::string::npos && dash <= 9;
    return digits ? std::stol(middle.substr(0, dash)) : 0;
}

// Removes the earlier versions' temporary files of `path` whose writer is gone. The folder is
// looked through once per file and process; the caller holds the file's lock.
void removeOrphanedTemporaries(const std::string &path)
{
    static std::mutex mutex;
    static auto *swept = new std::unordered_set<std::string>;  // never destroyed, as the caches
    {
        std::lock_guard<std::mutex> guard(mutex);
        if (!swept->insert(path).second)
            return;
    }
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (const std::string &entry : posix::listDirectory(folder)) {
        long owner = earlierTemporaryOwner(entry, name);
        if (owner > 0 && kill(static_cast<pid_t>(owner), 0) != 0 && errno == ESRCH)
            unlink((slash == std::string::npos ? entry : folder + entry).c_str());
    }
}

int createTemporary(const std::string &temp, unsigned mode)
{
    int fd = openNoFollowFifo(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
    if (fd < 0 && errno == EEXIST && unlink(temp.c_str()) == 0)
        fd = openNoFollowFifo(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
    return fd;
}

// Writes the temporary file's content, gives it the replaced file's owner and mode, and closes
// it. False with errno set when any step fails; the descriptor is closed either way.
bool fillTemporary(int fd, const std::string &bytes, unsigned mode, std::uint32_t owner,
                   std::uint32_t group, struct stat &st)
{
    bool ok = posix::writeAll(fd, bytes) && fstat(fd, &st) == 0;
    bool changed = false;
    // Only a privileged writer can give the file back to its owner; others keep theirs.
    if (ok && (st.st_uid != owner || st.st_gid != group))
        changed = fchown(fd, owner, group) == 0;
    if (ok && (st.st_mode & 07777) != mode) {
        ok = fchmod(fd, mode) == 0;
        changed = true;
    }
    ok = ok && (!changed || fstat(fd, &st) == 0);
    int err = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    errno = err;
    return ok;
}

}  // namespace

bool statRegularFile(const std::string &path, FileStamp &stamp)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp = stampOf(st);
    return true;
}

bool readRegularFile(const std::string &path, std::string &bytes, FileSnapshot &snapshot,
                     std::uint64_t maxBytes)
{
    int fd = openNoFollowFifo(path, O_RDONLY);
    if (fd < 0)
        return false;
    bool ok = false;
    snapshot = snapshotOf(fd, ok);
    ok = ok && snapshot.stamp.size <= maxBytes && readFrom(fd, bytes, snapshot.stamp.size, maxBytes);
    close(fd);
    return ok;
}

DWORD unreadableFileError(const std::string &path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT && folderExists(path))
            return ERROR_FILE_NOT_FOUND;
        return posix::win32ErrorOf(errno, ERROR_FILE_NOT_FOUND);
    }
    if (!S_ISREG(st.st_mode))
        return ERROR_ACCESS_DENIED;
    int fd = openNoFollowFifo(path, O_RDONLY);
    if (fd < 0)
        return posix::win32ErrorOf(errno, ERROR_ACCESS_DENIED);
    close(fd);
    return ERROR_READ_FAULT;
}

IniFileLock::~IniFileLock()
{
    release();
}

void IniFileLock::release()
{
    if (fd_ >= 0)
        close(fd_);  // under a file lock, closing the descriptor drops it
    fd_ = -1;
    if (!lockedFolder_.empty())
        folderLocks().unlock(lockedFolder_);
    lockedFolder_.clear();
}

IniFileLock::Result IniFileLock::acquire(const std::string &path, bool create, DWORD &error)
{
    release();
    struct stat current {};
    // The path is first opened without following a symbolic link, so that only a link costs a
    // look at where it leads: a rename must replace the file it leads to, under the lock of that
    // file's folder.
    std::string target = path;
    int followLink = O_NOFOLLOW;
    if (folderLocks().lock(folderOf(target)))
        lockedFolder_ = folderOf(target);
    // Under a folder lock no other writer replaces the file: the first open is the file. Under a
    // lock of the file itself, a writer that replaced it while we waited leaves us holding the
    // old one: try again.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        int fd = openNoFollowFifo(target, O_RDWR | followLink);
        if (fd < 0 && errno == ELOOP && followLink) {
            release();
            target = replacedPath(path, current);
            followLink = 0;
            if (folderLocks().lock(folderOf(target)))
                lockedFolder_ = folderOf(target);
            fd = openNoFollowFifo(target, O_RDWR);
        }
        created_ = false;
        if (fd < 0 && errno == ENOENT && create) {
            fd = openNoFollowFifo(target, O_RDWR | O_CREAT | O_EXCL, 0666);
            created_ = fd >= 0;
            if (fd < 0 && errno == EEXIST)
                continue;
        }
        if (fd < 0) {
            int reason = errno;
            release();
            if (reason == ENOENT && !create)
                return Result::Missing;
            error = posix::win32ErrorOf(reason, ERROR_WRITE_FAULT);
            return Result::Failed;
        }
        const bool locked = !lockedFolder_.empty() || posix::lockExclusive(fd);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);  // before the stat, so that `settled` errs safe
        struct stat held {};
        if (!locked || fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            error = !locked ? ERROR_LOCK_VIOLATION : ERROR_ACCESS_DENIED;
            close(fd);
            release();
            return Result::Failed;
        }
        if (lockedFolder_.empty()) {
            replacedPath(path, current);
            if (current.st_dev != held.st_dev || current.st_ino != held.st_ino) {
                close(fd);
                continue;
            }
        }
        fd_ = fd;
        path_ = target;
        mode_ = held.st_mode & 07777;
        owner_ = held.st_uid;
        group_ = held.st_gid;
        snapshot_ = {stampOf(held), isSettled(held, now)};
        return Result::Locked;
    }
    release();
    error = ERROR_SHARING_VIOLATION;
    return Result::Failed;
}

bool IniFileLock::read(std::string &bytes, DWORD &error) const
{
    if (readFrom(fd_, bytes, snapshot_.stamp.size))
        return true;
    error = ERROR_READ_FAULT;
    return false;
}

bool IniFileLock::replace(const std::string &bytes, FileSnapshot &written, DWORD &error)
{
    removeOrphanedTemporaries(path_);
    std::string temp = temporarySibling(path_);
    int fd = createTemporary(temp, mode_);
    struct stat st {};
    bool ok = fd >= 0 && fillTemporary(fd, bytes, mode_, owner_, group_, st);
    if (ok && !lockedFolder_.empty() && fd_ >= 0) {
        // The folder lock holds the other writers off; closing the replaced file first lets the
        // rename free it at once rather than keep it as an open orphan until we close.
        close(fd_);
        fd_ = -1;
    }
    ok = ok && posix::writeCalls().rename(temp.c_str(), path_.c_str()) == 0;
    if (!ok) {
        error = posix::win32ErrorOf(errno, ERROR_WRITE_FAULT);
        if (fd >= 0)
            unlink(temp.c_str());
        if (created_)
            unlink(path_.c_str());
        return false;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    written = {stampOf(st), isSettled(st, now)};
    created_ = false;
    return true;
}

}  // namespace vks::detail
