#if !defined(__unix__)
#error "named_object_posix.cpp keeps object names with POSIX record locks; build it only on a POSIX host"
#endif

// Record locks (fcntl) rather than flock: they belong to the process, so a forked child does not
// inherit its parent's holds, and the kernel drops them when the process dies. Each name has its
// own lock; no lock covers the folder, so no process can stop another's names from elsewhere.
#include "posix/named_object_posix.h"
#include "posix/data_folder_posix.h"
#include "posix/errno_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <set>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vks::detail::posix {

namespace {

// A folder of names, checked once and held open.
class NameFolder {
public:
    NameFolder(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~NameFolder() { close(fd_); }
    NameFolder(const NameFolder &) = delete;
    NameFolder &operator=(const NameFolder &) = delete;

    int fd() const { return fd_; }
    const std::string &path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

constexpr mode_t kPrivate = 0700;

std::string octal(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Why the folder open as `fd` is no place for names; empty when it is one.
std::string refusalOf(int fd)
{
    struct stat info {};
    if (fstat(fd, &info) != 0)
        return std::string("it cannot be examined: ") + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return "it is not a folder";
    if (info.st_uid != geteuid())
        return "it belongs to user " + std::to_string(info.st_uid) + ", not to user " +
               std::to_string(geteuid());
    if ((info.st_mode & 0777) != kPrivate)
        return "its mode is " + octal(info.st_mode) + ", not 0700";
    return {};
}

int openFolderAt(int parent, const std::string &name)
{
    int fd;
    do
        fd = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Opens the folder `name` under `parent` (AT_FDCWD for a path), made private when missing; -1
// with the reason when it is no place for names.
int openPrivateFolder(int parent, const std::string &name, std::string &reason)
{
    bool made = false;
    int fd = openFolderAt(parent, name);
    if (fd < 0 && errno == ENOENT) {
        if (mkdirat(parent, name.c_str(), kPrivate) == 0)
            made = true;
        else if (errno != EEXIST) {
            reason = std::string("it cannot be made: ") + std::strerror(errno);
            return -1;
        }
        fd = openFolderAt(parent, name);
    }
    if (fd < 0) {
        reason = errno == ELOOP || errno == ENOTDIR
                     ? "it is a link or not a folder"
                     : std::string("it cannot be opened: ") + std::strerror(errno);
        return -1;
    }
    if (made)
        fchmod(fd, kPrivate);  // whatever the umask took away
    reason = refusalOf(fd);
    if (!reason.empty()) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The folders a candidate needs above it, made as a user's own folders are (mode 0755 less the
// umask); the candidate itself is checked as any other.
void makeAncestors(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
}

struct Candidate {
    int fd = -1;
    std::string path;
};

// The folder of the last choice, kept open: a name's file is opened relative to it, so taking
// a name costs one open, and the folder checked is the folder used.
struct Folders {
    std::mutex lock;
    std::string temporaryRoot = "/tmp";
    std::string chosen;
    std::shared_ptr<const NameFolder> folder;
    std::set<std::string> told;  // refusals already reported
};

Folders &folders()
{
    static Folders &instance = *new Folders;
    return instance;
}

// The runtime folder counts only when it is this user's own and private: a program run as
// another user with the user's environment (sudo -E) must not leave a folder there.
Candidate runtimeCandidate(std::vector<std::string> &refusals)
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || runtime[0] != '/')
        return {};
    const std::string folder = withoutTrailingSlashes(runtime);
    const int parent = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return {};
    Candidate candidate;
    candidate.path = folder + "/vksutil-objects";
    std::string reason = refusalOf(parent);
    if (reason.empty())
        candidate.fd = openPrivateFolder(parent, "vksutil-objects", reason);
    else
        candidate.path = folder;
    close(parent);
    if (candidate.fd < 0)
        refusals.push_back(candidate.path + ": " + reason);
    return candidate;
}

Candidate pathCandidate(const std::string &path, std::vector<std::string> &refusals)
{
    Candidate candidate;
    candidate.path = withoutTrailingSlashes(path);
    std::string reason;
    candidate.fd = openPrivateFolder(AT_FDCWD, candidate.path, reason);
    if (candidate.fd < 0)
        refusals.push_back(candidate.path + ": " + reason);
    return candidate;
}

Candidate defaultCandidate(const std::string &temporaryRoot, std::vector<std::string> &refusals)
{
    if (Candidate runtime = runtimeCandidate(refusals); runtime.fd >= 0)
        return runtime;
    const std::string shared =
        withoutTrailingSlashes(temporaryRoot) + "/vksutil-objects-" + std::to_string(geteuid());
    if (Candidate temporary = pathCandidate(shared, refusals); temporary.fd >= 0)
        return temporary;
    // Under the user's home, where no other user can make the folder first.
    const std::string data = dataFolder();
    if (data.empty())
        return {};
    makeAncestors(data + "/objects");
    return pathCandidate(data + "/objects", refusals);
}

enum class Locked { yes, heldByOthers, failed };

Locked setLock(int fd, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    int result;
    do
        result = fcntl(fd, F_SETLK, &lock);
    while (result < 0 && errno == EINTR);
    if (result == 0)
        return Locked::yes;
    return errno == EAGAIN || errno == EACCES ? Locked::heldByOthers : Locked::failed;
}

// Whether a process other than this one holds a lock on the file.
bool lockedByOthers(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

void sleepFor(long milliseconds)
{
    timespec delay{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    while (nanosleep(&delay, &delay) != 0 && errno == EINTR) {
    }
}

// A process taking a name holds its file for writing only between finding it free and holding
// it for reading: a few system calls. Longer than this, it is kept on purpose.
constexpr long kFirstPause = 1;
constexpr long kLongestPause = 64;
constexpr long kLongestWait = 250;

// The folder for `chosen`: the one kept open unless `stale` (it has gone since), else looked
// for afresh.
std::shared_ptr<const NameFolder> nameFolder(const std::string &chosen, bool stale,
                                             std::vector<std::string> &refusals)
{
    Folders &all = folders();
    std::lock_guard guard(all.lock);
    if (all.folder && all.chosen == chosen && !stale)
        return all.folder;
    all.folder.reset();
    std::vector<std::string> reasons;
    Candidate candidate;
    if (!chosen.empty())
        candidate = pathCandidate(chosen, reasons);
    if (candidate.fd < 0)
        candidate = defaultCandidate(all.temporaryRoot, reasons);
    for (const std::string &reason : reasons)
        if (all.told.insert(reason).second)
            refusals.push_back(reason);
    if (candidate.fd < 0)
        return nullptr;
    all.chosen = chosen;
    all.folder = std::make_shared<const NameFolder>(candidate.fd, candidate.path);
    return all.folder;
}

int openNameFile(const NameFolder &folder, const std::string &fileName)
{
    int fd;
    do
        fd = openat(folder.fd(), fileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                    0600);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Free when this process can hold the file for writing for a moment; held by another when it
// can only share it. Either way it is then held for reading, as every holder holds it.
bool lockName(int fd, bool &heldElsewhere, DWORD &error)
{
    long waited = 0;
    for (long pause = kFirstPause;; pause = std::min(2 * pause, kLongestPause)) {
        Locked locked = setLock(fd, F_WRLCK);
        heldElsewhere = locked == Locked::heldByOthers;
        if (heldElsewhere)
            locked = setLock(fd, F_RDLCK);
        if (locked == Locked::yes)
            break;
        if (locked == Locked::failed) {
            error = win32ErrorOf(errno, ERROR_ACCESS_DENIED);
            return false;
        }
        if (waited >= kLongestWait) {
            error = ERROR_TIMEOUT;
            return false;
        }
        sleepFor(pause);
        waited += pause;
    }
    if (!heldElsewhere && setLock(fd, F_RDLCK) != Locked::yes) {
        error = win32ErrorOf(errno, ERROR_ACCESS_DENIED);
        return false;
    }
    return true;
}

}  // namespace

void setTemporaryRootForTesting(const std::string &folder)
{
    Folders &all = folders();
    std::lock_guard guard(all.lock);
    all.temporaryRoot = folder.empty() ? "/tmp" : folder;
    all.folder.reset();
    all.told.clear();
}

unsigned long currentProcessId()
{
    return static_cast<unsigned long>(getpid());
}

HeldName::HeldName(HeldName &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

HeldName &HeldName::operator=(HeldName &&other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

HeldName::~HeldName()
{
    release();
}

bool HeldName::take(const std::string &chosenFolder, const std::string &fileName,
                    bool &heldElsewhere, std::vector<std::string> &refusals, DWORD &error)
{
    release();
    int fd = -1;
    // A folder removed since it was opened takes no new file: it is looked for again, once.
    for (bool stale = false; fd < 0; stale = true) {
        const std::shared_ptr<const NameFolder> folder = nameFolder(chosenFolder, stale, refusals);
        if (!folder) {
            error = ERROR_ACCESS_DENIED;
            return false;
        }
        fd = openNameFile(*folder, fileName);
        if (fd < 0 && (errno != ENOENT || stale)) {
            error = win32ErrorOf(errno, ERROR_ACCESS_DENIED);
            return false;
        }
    }
    if (!lockName(fd, heldElsewhere, error)) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool HeldName::heldElsewhere() const
{
    return fd_ >= 0 && lockedByOthers(fd_);
}

void HeldName::release()
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

}  // namespace vks::detail::posix
