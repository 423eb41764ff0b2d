#if !defined(__unix__)
#error "named_object_posix.cpp keeps object names with POSIX record locks; build it only on a POSIX host"
#endif

// Record locks (fcntl) rather than flock: they belong to the process, so a forked child does not
// inherit its parent's holds, and the kernel drops them when the process dies.
#include "posix/named_object_posix.h"
#include "posix/errno_posix.h"

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vks::detail::posix {

namespace {

bool setLock(int fd, short type, bool wait)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    int result;
    do
        result = fcntl(fd, wait ? F_SETLKW : F_SETLK, &lock);
    while (result < 0 && errno == EINTR);
    return result == 0;
}

// Whether a process other than this one holds a lock on the file.
bool lockedByOthers(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

int openNoFollow(const std::string &path)
{
    int fd;
    do
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// A folder of our own: made private when missing, refused when it is a link or someone else's,
// since another user could otherwise watch or steal our names.
DWORD prepareFolder(const std::string &folder)
{
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return win32ErrorOf(errno, ERROR_PATH_NOT_FOUND);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0)
        return win32ErrorOf(errno, ERROR_PATH_NOT_FOUND);
    if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid())
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

// Creating, taking and letting go of names happen one at a time across the host, under the
// folder's lock file; the std::mutex orders this process's threads, which record locks do not.
class FolderLock {
public:
    explicit FolderLock(const std::string &folder) : guard_(threads())
    {
        fd_ = openNoFollow(folder + "/.lock");
        if (fd_ >= 0 && !setLock(fd_, F_WRLCK, true)) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~FolderLock()
    {
        if (fd_ >= 0)
            close(fd_);  // closing drops the lock
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool held() const { return fd_ >= 0; }

private:
    static std::mutex &threads()
    {
        static std::mutex &m = *new std::mutex;
        return m;
    }

    std::lock_guard<std::mutex> guard_;
    int fd_ = -1;
};

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

}  // namespace

std::string defaultObjectFolder()
{
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/')
        return withoutTrailingSlashes(runtime) + "/vksutil-objects";
    return "/tmp/vksutil-objects-" + std::to_string(geteuid());
}

unsigned long currentProcessId()
{
    return static_cast<unsigned long>(getpid());
}

HeldName::HeldName(HeldName &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)),
      folder_(std::move(other.folder_))
{
}

HeldName &HeldName::operator=(HeldName &&other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        folder_ = std::move(other.folder_);
    }
    return *this;
}

HeldName::~HeldName()
{
    release();
}

bool HeldName::take(const std::string &folder, const std::string &fileName, bool &heldElsewhere,
                    DWORD &error)
{
    release();
    if (DWORD made = prepareFolder(folder); made != ERROR_SUCCESS) {
        error = made;
        return false;
    }
    FolderLock folderLock(folder);
    if (!folderLock.held()) {
        error = win32ErrorOf(errno, ERROR_ACCESS_DENIED);
        return false;
    }
    const std::string path = folder + "/" + fileName;
    int fd = openNoFollow(path);
    if (fd < 0) {
        error = win32ErrorOf(errno, ERROR_ACCESS_DENIED);
        return false;
    }
    heldElsewhere = lockedByOthers(fd);
    if (!setLock(fd, F_RDLCK, false)) {
        error = win32ErrorOf(errno, ERROR_ACCESS_DENIED);
        close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    folder_ = folder;
    return true;
}

bool HeldName::heldElsewhere() const
{
    return fd_ >= 0 && lockedByOthers(fd_);
}

void HeldName::forget()
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    path_.clear();
    folder_.clear();
}

void HeldName::release()
{
    if (fd_ < 0)
        return;
    {
        FolderLock folderLock(folder_);
        // The last holder removes the file; without the folder's lock it leaves it, which only
        // costs an empty file that the next holder reuses.
        if (folderLock.held() && !lockedByOthers(fd_))
            unlink(path_.c_str());
        close(fd_);
    }
    fd_ = -1;
    path_.clear();
    folder_.clear();
}

}  // namespace vks::detail::posix
