#include "locking_process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vkstest {

bool becomeUser(uid_t user)
{
    if (user == static_cast<uid_t>(-1) || geteuid() != 0)
        return true;
    return setgid(user) == 0 && setuid(user) == 0;
}

namespace {

void holdLockThenWait(const std::string &path, LockingProcess::Lock lock, uid_t user, mode_t mode,
                      int report, int release)
{
    char status = 'n';
    int fd = -1;
    if (becomeUser(user)) {
        umask(0);
        fd = open(path.c_str(), O_RDWR | O_CREAT, mode);
    }
    if (fd >= 0) {
        struct flock request {};
        request.l_type = lock == LockingProcess::Lock::read ? F_RDLCK : F_WRLCK;
        request.l_whence = SEEK_SET;
        if (fcntl(fd, F_SETLK, &request) == 0)
            status = 'y';
    }
    if (write(report, &status, 1) != 1)
        _exit(1);
    char ignored;
    while (read(release, &ignored, 1) > 0) {
    }
    _exit(0);
}

}  // namespace

LockingProcess::LockingProcess(const std::string &path, Lock lock, uid_t user, mode_t mode)
{
    int report[2], release[2];
    if (pipe(report) != 0)
        return;
    if (pipe(release) != 0) {
        close(report[0]);
        close(report[1]);
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        close(report[0]);
        close(release[1]);
        holdLockThenWait(path, lock, user, mode, report[1], release[0]);
    }
    close(report[1]);
    close(release[0]);
    release_ = release[1];
    char status = 'n';
    held_ = pid_ > 0 && read(report[0], &status, 1) == 1 && status == 'y';
    close(report[0]);
}

LockingProcess::~LockingProcess()
{
    if (release_ >= 0)
        close(release_);
    int status = 0;
    if (pid_ > 0)
        waitpid(pid_, &status, 0);
}

}  // namespace vkstest
